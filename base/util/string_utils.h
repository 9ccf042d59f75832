#pragma once

#include <cstdint>
#include <cstdio>

// Text helpers for narrow strings in the ANSI code page (932 for this
// program) and for UTF-16 strings.
//
// Functions that return a static buffer own one buffer each and overwrite it
// on their next call, from any caller: copy the result or use it at once.
// Single-threaded use only.
//
// Nothing here writes past a buffer or leaves one unterminated. A text that
// does not fit its buffer is refused: the buffer is left holding the empty
// string and the result says so (-1, ERANGE or 0, as documented below).

// 1 when the byte at text is a lead byte of the ANSI code page and the next
// byte a trail byte, else 0. Reads at most two bytes; a lead byte followed by
// the terminator is no pair.
int IsDbcsPair(const char* text);

// The file name part of a path: the character after its last '\', or the
// path itself when it has none; NULL for NULL. A trail byte equal to '\'
// (as in the second byte of "ソ" or "表") is never taken for a separator.
const char* PathFileName(const char* path);

// The directory part of a path, with its final '\' kept ("D:\dir\file.txt"
// gives "D:\dir\"), or the empty string when the path has no '\'; NULL for
// NULL. A directory part longer than 259 characters does not fit the
// buffer and gives the empty string.
const char* PathDirectory(const char* path);

// The text after the first '.' of the string (a dot inside a directory name
// counts too), or NULL when there is no dot or the string is NULL.
const char* AfterFirstDot(const char* text);

// "0x" followed by eight lower-case hexadecimal digits.
const char* HexString(uint32_t value);

// Conversions between UTF-16 and the ANSI code page. The result is the
// number of bytes or units written, terminator included, or 0 on failure
// (also when the destination is too small); on failure the destination holds
// the empty string.
int WideToAnsi(char* destination, const wchar_t* source, int destinationBytes);
int AnsiToWide(wchar_t* destination, const char* source, int destinationUnits);

// The same into a buffer of 260 bytes or units; a text that does not convert
// or does not fit gives the empty string.
const char* WideToAnsiStatic(const wchar_t* source);
const wchar_t* AnsiToWideStatic(const char* source);

// Hexadecimal parsing. An optional leading "0x" (lower-case x) is skipped;
// other characters that are not hexadecimal digits are skipped wherever they
// stand; only the last eight digits count; no digit gives 0.
// The wide form also takes fullwidth digits and letters, with the fullwidth
// prefix "０ｘ" in place of "0x".
int HexDigitValue(char digit);
uint32_t ParseHex(const char* text);
int WideHexDigitValue(wchar_t digit);
uint32_t ParseWideHex(const wchar_t* text);

// printf-style formatting into a buffer of 4096 characters. NULL for a NULL
// format (the buffer is left as it was); a result longer than 4095
// characters gives the empty string.
const char* FormatString(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));

// Copies source into a caller's buffer of at least 260 characters. 0 on
// success; ERANGE when source is longer than 259 characters and EINVAL when
// either pointer is NULL, with the destination (when there is one) left
// holding the empty string.
int CopyString260(char* destination, const char* source);

// printf-style formatting into a caller's buffer of at least 256 characters.
// The number of characters written (terminator not counted), or -1 when the
// result is longer than 255 characters or a pointer is NULL, with the
// destination (when there is one) left holding the empty string.
int FormatString256(char* destination, const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
