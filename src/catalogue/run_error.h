#pragma once

#include <QString>

#include <stdexcept>

namespace clubdraw {

// The run-time errors the program can end with, numbered as users of the
// original tool know them.
namespace run_errors {
inline constexpr int overflow = 6;
inline constexpr int out_of_memory = 7;
inline constexpr int file_not_found = 53;
inline constexpr int input_past_end_of_file = 62;
inline constexpr int path_file_access_error = 75;
} // namespace run_errors

// The one error type: a number, its standard text and where it happened.
class run_error : public std::runtime_error {
public:
    run_error(int number, QString where);

    int number() const { return number_; }
    QString text() const;
    QString where() const { return where_; }
    // "Run-time error '53':\n\nFile not found\n\n<where>"
    QString message() const;

    static QString text_of(int number);

private:
    int number_;
    QString where_;
};

} // namespace clubdraw
