// Writing binary PGM ("P5") and PPM ("P6") files with 8-bit channels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `pixels` holds width x height grey bytes (PGM) or RGB byte triples (PPM), row-major.
bool WritePgm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels);
bool WritePpm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels);
