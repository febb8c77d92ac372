#include "jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "file_replace.h"

namespace vorn::viewer::output {
namespace {

// libjpeg reports fatal errors through error_exit, which by default calls
// exit(); this one jumps back to writeJpeg with the library's message kept.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void jumpOnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

extern "C" void ignoreMessage(j_common_ptr) {}

// Everything touched after setjmp lives here so no local is left indeterminate
// by the jump back.
struct Job {
  jpeg_compress_struct cinfo;
  ErrorManager errors;
  unsigned char* bytes = nullptr;  // the encoded picture, allocated by libjpeg
  unsigned long size = 0;
};

std::string failure(Job& job, const std::string& path, const std::string& why) {
  jpeg_destroy_compress(&job.cinfo);
  std::free(job.bytes);
  return "Cannot write the file " + path + ": " + why;
}

}  // namespace

std::string writeJpeg(const std::string& path, const std::uint8_t* rgb, int width, int height,
                      int stride) {
  if (width <= 0 || height <= 0 || rgb == nullptr)
    return "Cannot write the file " + path + ": empty picture";

  Job job{};
  job.cinfo.err = jpeg_std_error(&job.errors.base);
  job.errors.base.error_exit = jumpOnError;
  job.errors.base.output_message = ignoreMessage;
  job.errors.message[0] = '\0';
  if (setjmp(job.errors.jump)) return failure(job, path, job.errors.message);

  // Encoded in memory first, so that the file is written whole or not at all.
  jpeg_create_compress(&job.cinfo);
  jpeg_mem_dest(&job.cinfo, &job.bytes, &job.size);

  job.cinfo.image_width = static_cast<JDIMENSION>(width);
  job.cinfo.image_height = static_cast<JDIMENSION>(height);
  job.cinfo.input_components = 3;
  job.cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job.cinfo);
  jpeg_set_quality(&job.cinfo, kJpegQuality, TRUE);  // baseline-compatible tables
  jpeg_start_compress(&job.cinfo, TRUE);
  while (job.cinfo.next_scanline < job.cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::ptrdiff_t>(stride) *
                                                  job.cinfo.next_scanline);
    jpeg_write_scanlines(&job.cinfo, &row, 1);
  }
  jpeg_finish_compress(&job.cinfo);
  jpeg_destroy_compress(&job.cinfo);

  const std::string error =
      replaceFile(path, std::string_view(reinterpret_cast<const char*>(job.bytes), job.size));
  std::free(job.bytes);
  return error;
}

}  // namespace vorn::viewer::output
