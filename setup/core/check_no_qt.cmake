# Fails the build when the set-up core's archive refers to any Qt symbol.
file(STRINGS "${LIB}" _qt_refs REGEX "_ZN[0-9]+Q[A-Z][A-Za-z]+|qt_version_tag" LIMIT_COUNT 1)
if(_qt_refs)
  message(FATAL_ERROR "setup_core refers to Qt: ${_qt_refs}")
endif()
