// Small helpers shared by the writers of the printed listing and the summary
// tables: records go out through a format, and rules are literals of one character.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "recordio/recordio.h"

namespace kinetics::page_records {

inline void put(recordio::RecordSink& sink, const std::string& format,
                std::initializer_list<recordio::Value> values = {}) {
    sink.put(recordio::formatRecords(format, values));
}
inline void put(recordio::RecordSink& sink, const std::string& format,
                const std::vector<recordio::Value>& values) {
    sink.put(recordio::formatRecords(recordio::Format(format), values));
}

// A literal of n copies of one character, in format notation.
inline std::string repeated(char c, int n) {
    // Appended, not written as "'" + std::string(n, c), on which GCC 12 warns falsely.
    std::string literal(1, '\'');
    literal.append(static_cast<std::size_t>(n), c);
    literal += '\'';
    return literal;
}

}  // namespace kinetics::page_records
