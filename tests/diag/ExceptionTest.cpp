// The exception types, their messages, the raise sites and the memory-exhaustion handler.
#include "diag/CGP_Exeption.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "diag/MemoryExhaustion.h"
#include "diag/RaiseSites.h"

namespace {

TEST(CGP_Exeption, MessageWithInternalText) {
  const CGP_FatalExeption e("/src/app/ChildView.cpp", 571, "Error DirectDrawCreate", "x", true);
  EXPECT_EQ(e.BuildMessage(),
            "Line 571 in module ChildView.cpp throw exception:\nError DirectDrawCreate");
}

TEST(CGP_Exeption, MessageWithoutInternalTextHasNoColon) {
  const CGP_Exeption e("Game.cpp", 12, nullptr);
  EXPECT_EQ(e.BuildMessage(), "Line 12 in module Game.cpp throw exception");
}

TEST(CGP_Exeption, BaseHasNoUserTextNoReportAndIsNotFatal) {
  const CGP_Exeption base("a.cpp", 1, "what");
  EXPECT_EQ(base.UserText(), nullptr);
  EXPECT_FALSE(base.Report());
  EXPECT_FALSE(base.IsFatal());
}

TEST(CGP_Exeption, ModuleIsWhatFollowsTheLastSeparator) {
  const char* const cases[][2] = {
      {"C:\\game\\view\\ChildView.cpp", "ChildView.cpp"},
      {"/home/a/src/Puzzle.cpp", "Puzzle.cpp"},
      {"mixed/dirs\\Game.cpp", "Game.cpp"},
      {"mixed\\dirs/Game.cpp", "Game.cpp"},
      {"Puzzle", "Puzzle"},
      {"folder/", ""},
  };
  for (const auto& [path, module] : cases) {
    const char* found = ModuleFromPath(path);
    EXPECT_STREQ(found, module) << path;
    // The module is part of the path text, not a copy.
    EXPECT_EQ(found, path + std::strlen(path) - std::strlen(module)) << path;
  }
  EXPECT_STREQ(ModuleFromPath(nullptr), "");
}

TEST(RaiseSites, ViewCreationFailures) {
  const struct {
    ViewCreationFailure failure;
    std::size_t line;
    const char* internalText;
  } rows[] = {
      {ViewCreationFailure::ServiceCreate, 571, "Error DirectDrawCreate"},
      {ViewCreationFailure::InterfaceQuery, 574, "Error QueryInterface"},
      {ViewCreationFailure::CooperativeLevel, 578, "Error SetCooperativeLevel"},
  };
  for (const auto& row : rows) {
    const CGP_FatalExeption e = ViewCreationError(row.failure);
    EXPECT_STREQ(e.Module(), "ChildView");
    EXPECT_EQ(e.Line(), row.line);
    EXPECT_STREQ(e.InternalText(), row.internalText);
    EXPECT_STREQ(e.UserText(), "Unable to initialize DirectX drivers.");
    EXPECT_TRUE(e.Report());
    EXPECT_TRUE(e.IsFatal());
  }
  EXPECT_EQ(ViewCreationError(ViewCreationFailure::ServiceCreate).BuildMessage(),
            "Line 571 in module ChildView throw exception:\nError DirectDrawCreate");
}

TEST(MemoryExhaustion, RaisesTheFatalRowWithTheRequestSizeAsLine) {
  try {
    RaiseMemoryExhausted(5000000000u);
    FAIL() << "no exception";
  } catch (const CGP_Exeption& e) {
    EXPECT_EQ(e.BuildMessage(),
              "Line 5000000000 in module Puzzle throw exception:\nError memory allocation\n");
    EXPECT_EQ(e.UserText(), nullptr);
    EXPECT_TRUE(e.Report());
    EXPECT_TRUE(e.IsFatal());
  }
}

TEST(MemoryExhaustion, IsAlsoABadAlloc) {
  EXPECT_THROW(RaiseMemoryExhausted(64), std::bad_alloc);
}

TEST(MemoryExhaustion, InstalledHandlerRaisesWithLineZero) {
  const std::new_handler previous = std::set_new_handler(nullptr);
  InstallMemoryExhaustionHandler();
  const std::new_handler installed = std::get_new_handler();
  std::set_new_handler(previous);
  ASSERT_NE(installed, nullptr);
  try {
    installed();
    FAIL() << "the handler returned";
  } catch (const MemoryExhaustedExeption& e) {
    EXPECT_EQ(e.Line(), 0u);
    EXPECT_STREQ(e.Module(), "Puzzle");
  }
}

}  // namespace
