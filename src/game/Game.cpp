// The game's drawing objects, its first paint, the one repaint entry and carrying out effects.
#include "game/Game.h"

#include <utility>

#include "diag/SessionLog.h"
#include "game/GameTexts.h"
#include "paint/FrameComposition.h"
#include "paint/PlayFieldPainter.h"
#include "play/Joining.h"

namespace {

// The start-up window's text while the packs load.
class SplashProgress final : public LoadingProgress {
 public:
  explicit SplashProgress(Host& host) : host_(host) {}
  void SetLoadingText(const std::string& text) override { host_.SetSplashText(text); }

 private:
  Host& host_;
};

}  // namespace

Game::Game(Host& host, SurfaceService& service, const BitmapProvider& bitmaps, GameSetup setup)
    : host_(host),
      service_(service),
      bitmaps_(bitmaps),
      setup_(std::move(setup)),
      resources_(MakePaintResources(service, bitmaps, setup_.background)),
      edgeMasks_(MakeEdgeMaskSurfaces(service)),
      lastPath_(setup_.lastPath) {
  state_.fireworks = MakeFireworks();
}

void Game::Start() {
  if (Started()) return;
  CreateBackSurface(resources_, service_, setup_.viewWidth, setup_.viewHeight);
  SplashProgress splash(host_);
  loadNotes_ = LoadPuzzlePacks(service_, setup_.programDir, library_, splash);
  const Rect client{0, 0, setup_.viewWidth, setup_.viewHeight};
  LayOutPlayField(state_, client);
  gallery_ = LayOutGallery(client, setup_.scrollBarExtent);
  UpdatePackScrollRange();
  UpdatePuzzleScrollRange();
  RedrawRect(client);
  for (const PackLoadNote& note : loadNotes_)
    WriteSessionLog(note.path + ": " + note.reason + "\n");
  if (library_.packs.empty())
    host_.ShowMessage(kNoPacksText + setup_.programDir + "/Puzzles", MessageIcon::Exclamation);
}

void Game::RedrawRect(const Rect& rect) {
  if (!resources_.backSurface) return;
  if (state_.mode == ViewMode::Gallery) {
    RedrawGallery(rect);
    return;
  }
  const PaintContext context{service_, bitmaps_, setup_.background,
                             host_.CurrentDisplayMode().bitsPerPixel};
  const FrameResult frame = ComposeFrame(resources_, context, state_, openPuzzle_, rect);
  if (frame.quit) {
    host_.Quit();
    return;
  }
  if (!frame.present.IsEmpty()) host_.Present(*resources_.backSurface, frame.present);
}

void Game::Apply(PlayEffects& effects) {
  for (const PlayStep& step : effects.steps) {
    if (step.kind == PlayStepKind::Repaint) {
      RedrawRect(step.rect);
    } else {
      TakeSnapshot(resources_, service_);
      EnterCelebration(state_);
    }
  }
  if (effects.joinSound) host_.PlayJoinSound();
  if (effects.captureMouse) host_.CaptureMouse(true);
  if (effects.releaseMouse) host_.CaptureMouse(false);
  if (effects.clockChanged) host_.RepaintClock();
  effects = PlayEffects{};
}

void Game::SelectPuzzle(PuzzlePack* pack, PuzzleRecord* puzzle) {
  if (state_.mode != ViewMode::Gallery) return;
  if (pack != library_.currentPack) {
    SelectPack(service_, library_, pack);
    puzzlesBar_.position = 0;
    UpdatePuzzleScrollRange();
  }
  if (pack != nullptr) pack->currentPuzzle = puzzle;
  RedrawRect(state_.client);
}

void Game::SetBackground(const TileSettings& background) {
  setup_.background = background;
  FillBackgroundTiles(resources_.backgroundTile.get(), resources_.boxBackgroundTile.get(), bitmaps_,
                      background);
  RedrawRect(state_.client);
}

void Game::ThumbnailPlaced(const WindowRect& rect) {
  if (state_.mode == ViewMode::Gallery || openPuzzle_ == nullptr) return;
  openPuzzle_->thumbLeft = rect.left;
  openPuzzle_->thumbTop = rect.top;
  openPuzzle_->thumbWidth = rect.width;
  openPuzzle_->thumbHeight = rect.height;
}
