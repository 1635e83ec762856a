// Where the game raises its fatal errors, as data, and the exceptions those sites raise.
#pragma once

#include <cstddef>

#include "diag/CGP_Exeption.h"

// One raise site: the source module, its line, the texts and the report flag it raises with.
struct RaiseSite {
  const char* module;
  std::size_t line;
  const char* internalText;
  const char* userText;
  bool report;
};

// The three ways creating the view's drawing service can fail, in the order they are tried.
enum class ViewCreationFailure { ServiceCreate, InterfaceQuery, CooperativeLevel };

inline constexpr RaiseSite kViewCreationRaiseSites[] = {
    {"ChildView", 571, "Error DirectDrawCreate", "Unable to initialize DirectX drivers.", true},
    {"ChildView", 574, "Error QueryInterface", "Unable to initialize DirectX drivers.", true},
    {"ChildView", 578, "Error SetCooperativeLevel", "Unable to initialize DirectX drivers.", true},
};

// The memory-exhaustion row: its line is replaced by the size of the failed request.
inline constexpr RaiseSite kMemoryExhaustedRaiseSite = {"Puzzle", 0, "Error memory allocation\n",
                                                        nullptr, true};

CGP_FatalExeption MakeRaisedException(const RaiseSite& site);
CGP_FatalExeption ViewCreationError(ViewCreationFailure failure);
