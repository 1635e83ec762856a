// The game: the view's state and handlers, without the window system.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/GalleryLayout.h"
#include "game/GameCommands.h"
#include "game/Host.h"
#include "library/PackLoader.h"
#include "library/PuzzleFileWriter.h"
#include "library/PuzzlePack.h"
#include "library/PuzzleSaving.h"
#include "paint/PaintResources.h"
#include "paint/TileFill.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "play/UndoHistory.h"
#include "puzzle/EdgeMasks.h"
#include "surface/BitmapProvider.h"
#include "surface/SurfaceService.h"
#include "surface/TextPainter.h"

// The background of a first run, before the player chose one: blue, tinted texture 0.
inline constexpr TileSettings kFirstRunBackground{0xA56D39, true, 0};

// What the shell knows when it makes the view.
struct GameSetup {
  std::string programDir;  // holds the "Puzzles" folder
  int viewWidth = 0;
  int viewHeight = 0;
  TileSettings background;
  TextPainter* text = nullptr;  // the gallery's names and frames; none draws no text
  int scrollBarExtent = 16;     // the thickness of the gallery's scroll bars
  std::string lastPath = {};    // the folder the picture chooser opens in ("Last Path")
};

// Whether a command can be chosen now, and whether its toggle is on (Pause, Ghost, Thumbnail).
struct CommandState {
  bool enabled = false;
  bool checked = false;
  bool operator==(const CommandState&) const = default;
};

// One per run. Made at view creation (tiles, sprites, masks, fireworks); Start makes the
// composed frame, loads the packs and lays out the gallery and the play field. Every change of
// what is shown ends in RedrawRect, which composes into the frame and asks the host to show it.
class Game {
 public:
  Game(Host& host, SurfaceService& service, const BitmapProvider& bitmaps, GameSetup setup);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Called once, with the start-up window shown: the composed frame, the packs loaded (their
  // progress on the start-up window), the gallery laid out with its scroll ranges, the first
  // frame composed and presented.
  void Start();
  bool Started() const { return resources_.backSurface != nullptr; }
  void RedrawRect(const Rect& rect);

  // Mouse and keys, in view client coordinates.
  void LeftButtonDown(ClientPoint point);
  void LeftButtonUp(ClientPoint point);
  void LeftDoubleClick(ClientPoint point);
  void MouseMove(ClientPoint point);
  void RightButtonDown(ClientPoint point);
  void RightButtonUp(ClientPoint point);
  // Escape leaves play; Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo (`modifiers` of KeyModifier).
  void KeyDown(int key, int modifiers = kNoModifier);
  // A command by number; false when the game does not handle it in the current mode.
  bool Command(int id);
  // The idle step; true while it wants to be called again.
  bool Idle();
  CommandState QueryCommand(int id) const;

  // A gallery scroll bar's scroll code (the track position for ThumbTrack), and the mouse wheel
  // over the gallery: each step of `lines` (positive towards the top or left) scrolls the bar
  // of the area under the point as a line code does.
  void Scroll(GalleryBar bar, ScrollCode code, int trackPosition = 0);
  void Wheel(ClientPoint at, int lines);
  const GalleryLayout& Layout() const { return gallery_; }
  const ScrollBarState& ScrollBar(GalleryBar bar) const {
    return bar == GalleryBar::Packs ? packsBar_ : puzzlesBar_;
  }

  // The thumbnail window was moved or resized by the player: kept in the open puzzle.
  void ThumbnailPlaced(const WindowRect& rect);
  // New background settings (the Background dialog's preview, OK and Cancel).
  void SetBackground(const TileSettings& background);

  // A picture file dropped on the gallery: Create with it, as if chosen in the picture chooser.
  // False (nothing done) outside the gallery.
  bool DropPicture(const std::string& path);
  // The folder of the picture last chosen for Create, where the chooser opens next.
  const std::string& LastPath() const { return lastPath_; }
  const TileSettings& Background() const { return setup_.background; }

  // Selects a pack and its current puzzle, as clicks in the gallery do.
  void SelectPuzzle(PuzzlePack* pack, PuzzleRecord* puzzle);

  // Program end, called by the shell when the view goes: the open game's state into its
  // record, every puzzle file written back, the packs released. Answers the files that could
  // not be saved. A game destroyed without it saves nothing, as a killed program would.
  std::vector<SaveFailure> Shutdown();

  ViewMode Mode() const { return state_.mode; }
  const PlayState& State() const { return state_; }
  const UndoHistory& History() const { return history_; }
  PuzzleLibrary& Library() { return library_; }
  PuzzleRecord* OpenPuzzle() { return openPuzzle_; }
  const Surface* BackSurface() const { return resources_.backSurface.get(); }
  const std::vector<PackLoadNote>& LoadNotes() const { return loadNotes_; }

 private:
  void Apply(PlayEffects& effects);
  // The gallery: painting a rectangle (restoring lost surfaces) and presenting it, the scroll
  // ranges, and the left button.
  void RedrawGallery(const Rect& rect);
  void UpdatePuzzleScrollRange();
  void UpdatePackScrollRange();
  void ScrollPuzzleGrid(int dy);
  void GalleryLeftButtonDown(ClientPoint point);
  void OnPlay();
  void OnScatter();
  bool GalleryCommand(int id);
  bool PlayCommand(int id);
  void StartGame(PuzzleRecord& puzzle);
  bool BuildPieces(PuzzleRecord& puzzle);
  void EnterPlay(PuzzleRecord& puzzle);
  void LeaveGame();
  void EndDrag();
  // An action that may change the field starts and, once nothing is held, ends (Undo).
  void BeginAction();
  void EndAction();
  void UndoOrRedo(bool undo);
  void ReleasePlayDisplayCopies(PuzzleRecord& puzzle);
  // Create, Modify, Rename and Remove.
  void ShowUserPack();
  void RunCreate(const std::optional<std::string>& dropped);
  std::unique_ptr<Surface> LoadCreatePicture(const std::optional<std::string>& dropped,
                                             std::string& path);
  std::optional<PuzzleOptions> AskOptions(int width, int height, PuzzleOptions preset);
  NameRule NameRuleIn(const std::string& packDir);
  void WriteCreatedPuzzle(const NewPuzzle& puzzle, const std::string& name);
  void OnModify();
  void OnRename();
  void OnRemove();

  Host& host_;
  SurfaceService& service_;
  const BitmapProvider& bitmaps_;
  GameSetup setup_;
  PaintResources resources_;
  EdgeMaskSurfaces edgeMasks_;
  PlayState state_;
  UndoHistory history_;
  PuzzleLibrary library_;
  PuzzleRecord* openPuzzle_ = nullptr;
  std::vector<PackLoadNote> loadNotes_;
  GalleryLayout gallery_;
  ScrollBarState packsBar_;
  ScrollBarState puzzlesBar_;
  int sourceWidth_ = 0;  // the last loaded picture, before fitting
  int sourceHeight_ = 0;
  int gridPieceCount_ = 0;
  std::string lastPath_;
};
