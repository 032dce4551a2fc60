// Texts the model and the reports build: printf-style formatting into a
// string, and the \xNN escape that keeps stored bytes from driving the
// terminal or the file they are shown in.
#pragma once

// std
#include <string>
#include <string_view>

// The whole formatted text, however long: a value quoted from a file is never
// cut short.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// text with every byte that is not printable ASCII (below 0x20, 0x7F and
// above), and every byte of alsoEscaped, written as \xNN.
std::string EscapeBytes(std::string_view text, std::string_view alsoEscaped);
