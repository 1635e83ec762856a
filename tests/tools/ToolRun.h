// Test helper: running the command-line tool with its output captured, and the files it reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& bytes);

// Runs `pavlemir-tool ARGS` through the shell with its standard output and error captured in
// files of `dir`, then read into `out` and `err`. Answers the exit status, -1 when it did not
// exit normally.
int RunToolCapturing(const std::filesystem::path& dir, const std::string& args, std::string& out,
                     std::string& err);

// A 24-bit BMP file of width x height from 0x00RRGGBB pixels given top row first.
void WriteBmp24File(const std::filesystem::path& path, int width, int height,
                    const std::vector<uint32_t>& pixels);
