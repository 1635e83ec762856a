// Ordering pack and puzzle names as the gallery lists them: by letter, without regard to case.
#pragma once

#include <string_view>

// Compares two UTF-8 names character by character (a multi-byte character is one character,
// never split), with upper- and lower-case letters of the Latin, Greek and Cyrillic alphabets
// taken as equal. Bytes that are not UTF-8 compare by value after every character. Answers
// less than 0, 0 or more than 0.
int CompareNamesIgnoringCase(std::string_view a, std::string_view b);
