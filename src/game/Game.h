// The game: the view's state and handlers, without the window system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Host.h"
#include "library/PackLoader.h"
#include "library/PuzzlePack.h"
#include "library/PuzzleSaving.h"
#include "paint/PaintResources.h"
#include "paint/TileFill.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/EdgeMasks.h"
#include "surface/BitmapProvider.h"
#include "surface/SurfaceService.h"

// The background of a first run, before the player chose one: blue, tinted texture 0.
inline constexpr TileSettings kFirstRunBackground{0xA56D39, true, 0};

// What the shell knows when it makes the view.
struct GameSetup {
  std::string programDir;  // holds the "Puzzles" folder
  int viewWidth = 0;
  int viewHeight = 0;
  TileSettings background;
};

// One per run. Made at view creation (tiles, sprites, masks, fireworks); the first paint makes
// the composed frame, loads the packs and lays out the play field. Every change of what is shown
// ends in RedrawRect, which composes and presents through the host at once.
class Game {
 public:
  Game(Host& host, SurfaceService& service, const BitmapProvider& bitmaps, GameSetup setup);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The view's paint message: the first one makes the frame and loads the packs.
  void Paint(const Rect& rect);
  void RedrawRect(const Rect& rect);

  // Mouse and keys, in view client coordinates.
  void LeftButtonDown(ClientPoint point);
  void LeftButtonUp(ClientPoint point);
  void LeftDoubleClick(ClientPoint point);
  void MouseMove(ClientPoint point);
  void RightButtonDown(ClientPoint point);
  void RightButtonUp(ClientPoint point);
  void KeyDown(int key);
  // A command by number; false when the game does not handle it in the current mode.
  bool Command(int id);
  // The idle step; true while it wants to be called again.
  bool Idle();

  // The thumbnail window was moved or resized by the player: kept in the open puzzle.
  void ThumbnailPlaced(const WindowRect& rect);
  // New background settings (the Background dialog's preview, OK and Cancel).
  void SetBackground(const TileSettings& background);

  // Selects a pack and its current puzzle, as clicks in the gallery do.
  void SelectPuzzle(PuzzlePack* pack, PuzzleRecord* puzzle);

  // Program end, called by the shell when the view goes: the open game's state into its
  // record, every puzzle file written back, the packs released. Answers the files that could
  // not be saved. A game destroyed without it saves nothing, as a killed program would.
  std::vector<SaveFailure> Shutdown();

  ViewMode Mode() const { return state_.mode; }
  const PlayState& State() const { return state_; }
  PuzzleLibrary& Library() { return library_; }
  PuzzleRecord* OpenPuzzle() { return openPuzzle_; }
  const Surface* BackSurface() const { return resources_.backSurface.get(); }
  const std::vector<PackLoadNote>& LoadNotes() const { return loadNotes_; }

 private:
  void FirstPaint();
  void Apply(PlayEffects& effects);
  void OnPlay();
  void OnScatter();
  bool GalleryCommand(int id);
  bool PlayCommand(int id);
  void StartGame(PuzzleRecord& puzzle);
  bool BuildPieces(PuzzleRecord& puzzle);
  void EnterPlay(PuzzleRecord& puzzle);
  void LeaveGame();
  void EndDrag();
  void ReleasePlayDisplayCopies(PuzzleRecord& puzzle);

  Host& host_;
  SurfaceService& service_;
  const BitmapProvider& bitmaps_;
  GameSetup setup_;
  PaintResources resources_;
  EdgeMaskSurfaces edgeMasks_;
  PlayState state_;
  PuzzleLibrary library_;
  PuzzleRecord* openPuzzle_ = nullptr;
  std::vector<PackLoadNote> loadNotes_;
  int sourceWidth_ = 0;  // the last loaded picture, before fitting
  int sourceHeight_ = 0;
  int gridPieceCount_ = 0;
};
