// The play script's lines that answer the gallery's dialogs: create, drop, modify, rename,
// remove and background.
#pragma once

#include <string>
#include <vector>

#include "PlayScript.h"

std::string CreateLine(PlayContext& c, const std::vector<std::string>& words);
std::string DropLine(PlayContext& c, const std::vector<std::string>& words);
std::string ModifyLine(PlayContext& c, const std::vector<std::string>& words);
std::string RenameLine(PlayContext& c, const std::vector<std::string>& words);
std::string RemoveLine(PlayContext& c, const std::vector<std::string>& words);
std::string BackgroundLine(PlayContext& c, const std::vector<std::string>& words);
