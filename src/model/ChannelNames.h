// The characters a channel or group name may hold and the form a name takes in
// the image and in the name boxes.
#pragma once

// std
#include <string>
#include <string_view>

// An ASCII digit or letter, a blank, or one of "*", "+", "-", "/", "=". Only
// ASCII letters count, so upper-casing never changes a name's length.
[[nodiscard]] bool IsNameCharacter(char c);

// The name as it is kept: lower-case ASCII letters upper-cased ("abc/1" gives
// "ABC/1"). False, with nameOut left as it was, for a text longer than the 12
// characters of a name slot or with a character IsNameCharacter refuses.
[[nodiscard]] bool NormaliseName(std::string_view text, std::string& nameOut);

// What an entered name is written as: an empty name as twelve blanks (the
// image's empty name), any other as it is.
std::string NameForImage(std::string_view name);

// What a name box shows of a stored name: twelve blanks as an empty box.
std::string NameForDisplay(std::string_view stored);
