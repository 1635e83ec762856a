// Hand-built puzzles for the play tests: square pieces with a transparent margin, one group each.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/SurfaceService.h"

// The client rectangle the tests lay out: play area (0, 32, 1024, 768).
inline constexpr Rect kTestClient = {0, 0, 1024, 768};

// A cols x rows puzzle of sizeChoice. Every piece is at its cut position with rotation 0, in a
// group of its own (id order). With a service, each piece gets images (every rotation with
// rotationOn): opaque over its cell, transparent black in the margin around it.
std::unique_ptr<PuzzleRecord> MakeTestPuzzle(SurfaceService* service, int cols, int rows,
                                             int sizeChoice = 7, bool rotationOn = false);

// The opaque colour of piece `id` in a format: never black, different for most ids.
uint32_t PieceColour(const PixelFormatInfo& format, int id);

// A play state laid out on kTestClient, in play.
PlayState MakePlayState();

// Every piece of the puzzle is in exactly one group, and no group is empty.
::testing::AssertionResult GroupsPartitionPieces(const PuzzleRecord& puzzle);

// Every piece lies at its place in the finished picture at (ghostX, ghostY).
::testing::AssertionResult AllAtHome(const PuzzleRecord& puzzle);

// Carries out the steps as the game does with its model: the celebration switch enters the
// celebration. (Painting is not the play layer's.)
void FollowSteps(PlayState& state, const PlayEffects& effects);

// The group holding the piece, or none.
PieceGroup* GroupOf(const PuzzleRecord& puzzle, const Piece* piece);

// The centre of a piece's opaque cell.
ClientPoint CellCentre(const Piece& piece);
