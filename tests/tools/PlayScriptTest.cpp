// pavlemir-tool play: scripts run against a program folder made for each test, checked through
// the state files, the exit status and the printed messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ToolRun.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

namespace fs = std::filesystem;

struct PieceState {
  int id = 0, col = 0, row = 0, x = 0, y = 0, rotation = 0;
};

struct GroupState {
  int box = 0;
  std::vector<PieceState> pieces;
};

// A state file read back: its text, and its values looked up by key.
struct StateFile {
  std::string text;

  long long Number(const std::string& key) const {
    const std::size_t at = text.find("\"" + key + "\": ");
    EXPECT_NE(at, std::string::npos) << key;
    return at == std::string::npos ? -999999 : std::stoll(text.substr(at + key.size() + 4));
  }
  bool Flag(const std::string& key) const {
    const std::size_t at = text.find("\"" + key + "\": ");
    EXPECT_NE(at, std::string::npos) << key;
    return at != std::string::npos && text.compare(at + key.size() + 4, 4, "true") == 0;
  }
  // A string value without its quotes, or "null".
  std::string Name(const std::string& key) const {
    const std::size_t at = text.find("\"" + key + "\": ");
    if (at == std::string::npos) return {};
    const std::size_t start = at + key.size() + 4;
    if (text.compare(start, 4, "null") == 0) return "null";
    return text.substr(start + 1, text.find('"', start + 1) - start - 1);
  }
  std::string ViewMode() const {
    const std::size_t at = text.find("\"viewMode\": \"");
    if (at == std::string::npos) return {};
    const std::size_t start = at + 13;
    return text.substr(start, text.find('"', start) - start);
  }
  std::string BoxOpen() const {
    const std::size_t at = text.find("\"boxOpen\": [");
    return at == std::string::npos ? "" : text.substr(at + 12, text.find(']', at) - at - 12);
  }
  std::vector<GroupState> Groups() const {
    std::vector<GroupState> groups;
    for (std::size_t at = text.find('{', 1); at != std::string::npos; at = text.find('{', at + 1)) {
      GroupState group;
      PieceState p;
      const char* s = text.c_str() + at;
      if (std::sscanf(s, "{\"box\": %d", &group.box) == 1) {
        groups.push_back(group);
      } else if (std::sscanf(s,
                             "{\"id\": %d, \"col\": %d, \"row\": %d, \"x\": %d, \"y\": %d, "
                             "\"rotation\": %d}",
                             &p.id, &p.col, &p.row, &p.x, &p.y, &p.rotation) == 6 &&
                 !groups.empty()) {
        groups.back().pieces.push_back(p);
      } else {
        ADD_FAILURE() << "unexpected object at " << text.substr(at, 40);
      }
    }
    return groups;
  }
};

class PlayScripts : public testing::Test {
 protected:
  static constexpr int kHarbourChoice = 1;  // 400 x 300 pixels: 4 x 3 pieces, turned
  static constexpr int kLakeChoice = 3;     // 330 x 200 pixels: 5 x 3 pieces

  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pavlemir-play-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    WritePicture(dir / "pictures" / "Harbour.bmp", 400, 300);
    WritePicture(dir / "lake" / "Lake.bmp", 330, 200);
    const fs::path pack = dir / "root" / "Puzzles" / "Pack";
    ASSERT_EQ(Tool("pack " + (dir / "pictures").string() + " --out " + pack.string() +
                   " --choice 1 --rotation --play-area 1024x736"),
              0)
        << err;
    ASSERT_EQ(Tool("create " + (dir / "lake" / "Lake.bmp").string() +
                   " --name Lake --choice 3 --play-area 1024x736 --out " + pack.string()),
              0)
        << err;
  }
  void TearDown() override { fs::remove_all(dir); }

  void WritePicture(const fs::path& path, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const uint32_t r = static_cast<uint32_t>(x * 255 / width);
        const uint32_t g = static_cast<uint32_t>(y * 255 / height);
        const uint32_t b = static_cast<uint32_t>((x ^ y) & 0xFF);
        pixels[static_cast<std::size_t>(y * width + x)] = r << 16 | g << 8 | b;
      }
    }
    WriteBmp24File(path, width, height, pixels);
  }

  int Tool(const std::string& args) { return RunToolCapturing(dir, args, out, err); }

  // Runs a script of the scripts folder on the test's program folder.
  int Play(const std::string& script, const std::string& options = "") {
    return Tool("play --root " + (dir / "root").string() + " --out " + (dir / "out").string() +
                " --script " + (fs::path(PAVLEMIR_PLAY_SCRIPTS) / script).string() + " " + options);
  }

  // Runs a script given as text.
  int PlayText(const std::string& script, const std::string& options = "") {
    WriteText(dir / "inline.play", script);
    return Tool("play --root " + (dir / "root").string() + " --out " + (dir / "out").string() +
                " --script " + (dir / "inline.play").string() + " " + options);
  }

  StateFile State(const std::string& name) { return {ReadText(dir / "out" / (name + ".json"))}; }

  // Every piece of the state's single group lies upright at its place in the finished picture.
  void ExpectSolvedAtHome(const StateFile& state, int choice, std::size_t pieceCount) {
    EXPECT_EQ(state.ViewMode(), "Celebration");
    EXPECT_EQ(state.Number("solvedPercent"), 100);
    const std::vector<GroupState> groups = state.Groups();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].pieces.size(), pieceCount);
    EXPECT_EQ(groups[0].box, 0);
    const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(choice)];
    ASSERT_EQ(state.Number("pieceSize"), size.pieceSize);
    const long long gx = state.Number("ghostX"), gy = state.Number("ghostY");
    for (const PieceState& p : groups[0].pieces) {
      EXPECT_EQ(p.rotation, 0) << p.id;
      EXPECT_EQ(p.x, gx + p.col * size.pieceSize - size.overlap / 2) << p.id;
      EXPECT_EQ(p.y, gy + p.row * size.pieceSize - size.overlap / 2) << p.id;
    }
  }

  fs::path dir;
  std::string out, err;
};

std::size_t PieceCount(const std::vector<GroupState>& groups) {
  std::size_t count = 0;
  for (const GroupState& group : groups) count += group.pieces.size();
  return count;
}

TEST_F(PlayScripts, NewGamesSolvedWithJitterEndAssembledAndAreSaved) {
  ASSERT_EQ(Play("new-game-solve.play"), 0) << err;
  const StateFile start = State("harbour-start");
  EXPECT_EQ(start.ViewMode(), "Play");
  EXPECT_LT(start.Number("solvedPercent"), 100);
  EXPECT_EQ(start.Number("cols"), 4);
  EXPECT_EQ(start.Number("rows"), 3);
  const std::vector<GroupState> scattered = start.Groups();
  EXPECT_GT(scattered.size(), 6u);
  EXPECT_EQ(PieceCount(scattered), 12u);
  ExpectSolvedAtHome(State("harbour-solved"), kHarbourChoice, 12);
  ExpectSolvedAtHome(State("lake-solved"), kLakeChoice, 15);

  const std::string shot = ReadText(dir / "out" / "harbour-solved.ppm");
  const std::string header = "P6\n1024 768\n255\n";
  ASSERT_EQ(shot.size(), header.size() + 1024u * 768 * 3);
  EXPECT_EQ(shot.substr(0, header.size()), header);

  // The next run shows the completed records in the gallery; nothing was played there yet.
  ASSERT_EQ(Play("gallery-after-solve.play"), 0) << err;
  for (const char* name : {"harbour-gallery", "lake-gallery"}) {
    const StateFile gallery = State(name);
    EXPECT_EQ(gallery.ViewMode(), "Gallery") << name;
    EXPECT_EQ(gallery.Number("solvedPercent"), 100) << name;
    EXPECT_TRUE(gallery.Groups().empty()) << name;
  }
}

TEST_F(PlayScripts, LeavingAndResumingKeepsPiecesBoxesFlagsAndClock) {
  ASSERT_EQ(Play("leave-resume.play"), 0) << err;
  const StateFile before = State("before");
  EXPECT_EQ(before.ViewMode(), "Play");
  EXPECT_EQ(before.Number("seconds"), 3);
  EXPECT_TRUE(before.Flag("ghostShown"));
  EXPECT_EQ(before.BoxOpen(), "false, true, false, false");
  const std::vector<GroupState> groups = before.Groups();
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.back().box, 2);
  EXPECT_EQ(before.text, State("after").text);
  // The gallery shows the record the leaving wrote: everything but the mode is the same.
  std::string gallery = State("gallery").text;
  const std::size_t at = gallery.find("\"Gallery\"");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(gallery.replace(at, 9, "\"Play\""), before.text);
}

TEST_F(PlayScripts, QuitSavesAndTheNextRunRestoresTheGameExactly) {
  ASSERT_EQ(Play("quit-restart-1.play"), 0) << err;
  const StateFile saved = State("saved");
  EXPECT_EQ(saved.Number("seconds"), 2);
  EXPECT_TRUE(saved.Flag("ghostShown"));
  EXPECT_EQ(saved.BoxOpen(), "false, false, false, true");
  ASSERT_EQ(Play("quit-restart-2.play"), 0) << err;
  EXPECT_EQ(State("restored").text, saved.text);
}

TEST_F(PlayScripts, AScriptWithoutQuitSavesNothing) {
  ASSERT_EQ(Play("quit-restart-killed.play"), 0) << err;
  EXPECT_EQ(State("played").Number("seconds"), 5);
  ASSERT_EQ(Play("quit-restart-2.play"), 0) << err;
  const StateFile restored = State("restored");
  EXPECT_EQ(restored.Number("seconds"), 0);
  EXPECT_NE(restored.text, State("played").text);
}

TEST_F(PlayScripts, PlayingACompletedPuzzleAsksWhetherToScatterIt) {
  ASSERT_EQ(Play("completed-play.play"), 0) << err;
  const StateFile kept = State("kept");
  EXPECT_EQ(kept.ViewMode(), "Play");
  EXPECT_EQ(kept.Number("solvedPercent"), 100);
  EXPECT_EQ(kept.Groups().size(), 1u);
  const StateFile scattered = State("scattered");
  EXPECT_EQ(scattered.Number("solvedPercent"), 0);
  EXPECT_EQ(scattered.Groups().size(), 15u);
  // Without a queued answer the question fails its line.
  EXPECT_EQ(PlayText("select Pack Lake\ncommand 32821\nsolve\ncommand 32829\ncommand 32821\n"), 1);
  EXPECT_NE(err.find("line 5: "), std::string::npos) << err;
}

TEST_F(PlayScripts, IdleRunsTheClockAndPauseStopsIt) {
  ASSERT_EQ(Play("pause-clock.play"), 0) << err;
  const StateFile running = State("running"), paused = State("paused"), resumed = State("resumed");
  EXPECT_EQ(running.Number("seconds"), 2);
  EXPECT_FALSE(running.Flag("paused"));
  EXPECT_EQ(paused.Number("seconds"), 2);
  EXPECT_TRUE(paused.Flag("paused"));
  EXPECT_EQ(resumed.Number("seconds"), 3);
  EXPECT_FALSE(resumed.Flag("paused"));
  // Paused, the pieces cannot be dragged.
  EXPECT_EQ(PlayText("select Pack Lake\ncommand 32821\ncommand 32852\ndrag 0 300 300\n"), 1);
  EXPECT_NE(err.find("line 4: "), std::string::npos) << err;
}

TEST_F(PlayScripts, SolveTakesGroupsOutOfOpenAndClosedBoxes) {
  ASSERT_EQ(Play("boxes.play"), 0) << err;
  const StateFile boxed = State("boxed");
  EXPECT_EQ(boxed.BoxOpen(), "false, false, false, true");
  int inBox2 = 0, inBox4 = 0;
  for (const GroupState& group : boxed.Groups()) {
    inBox2 += group.box == 2;
    inBox4 += group.box == 4;
  }
  EXPECT_EQ(inBox2, 2);
  EXPECT_EQ(inBox4, 1);
  ExpectSolvedAtHome(State("solved"), kHarbourChoice, 12);
  EXPECT_EQ(State("solved").BoxOpen(), "false, false, false, false");
}

TEST_F(PlayScripts, ALineThatCannotRunEndsTheScriptWithItsNumber) {
  ASSERT_EQ(Tool("play --help"), 0);
  EXPECT_NE(out.find("solve [JITTER]"), std::string::npos) << out;
  EXPECT_EQ(Tool("play --out " + (dir / "out").string()), 2);
  EXPECT_EQ(PlayText("# a comment\n\nselect Pack Harbour\nfrobnicate 3\nstate never\n"), 1);
  EXPECT_NE(err.find("line 4: "), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "out" / "never.json"));
  EXPECT_EQ(PlayText("select Pack Nowhere\n"), 1);
  EXPECT_NE(err.find("line 1: "), std::string::npos) << err;
  EXPECT_EQ(PlayText("select \"Pack\" \"Harbour\"\nidle x\n"), 1);
  EXPECT_NE(err.find("line 2: "), std::string::npos) << err;
  EXPECT_EQ(PlayText("select Pack Harbour\ncommand 32821\nsolve 10\n"), 1);
  EXPECT_NE(err.find("line 3: "), std::string::npos) << err;
}

// The groups, the solved share and the boxes of a state: what undo and redo bring back.
std::string FieldOf(const StateFile& state) {
  const std::size_t groups = state.text.find("\"groups\": [");
  EXPECT_NE(groups, std::string::npos);
  return state.text.substr(groups) + std::to_string(state.Number("solvedPercent")) +
         state.BoxOpen();
}

TEST_F(PlayScripts, UndoAndRedoLinesAndKeysStepThroughTheVisit) {
  const std::string script =
      "select Pack Harbour\ncommand 32821\nstate start\ndrag 0 300 300\nstate dragged\n"
      "command 32861\nstate apart\nundo\nstate back1\nkey Ctrl+Z\nstate back2\nredo\n"
      "key Ctrl+Y\nstate again\nkey Ctrl+Shift+Z\nundo\ncommand 32829\ncommand 32821\n"
      "undo\nstate never\n";
  EXPECT_EQ(PlayText(script), 1);
  EXPECT_NE(err.find("line 19: there is nothing to undo now"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "out" / "never.json"));
  const std::string start = FieldOf(State("start")), dragged = FieldOf(State("dragged"));
  const std::string apart = FieldOf(State("apart"));
  EXPECT_NE(start, dragged);
  EXPECT_NE(dragged, apart);
  EXPECT_EQ(FieldOf(State("back1")), dragged);
  EXPECT_EQ(FieldOf(State("back2")), start);
  EXPECT_EQ(FieldOf(State("again")), apart);
}

TEST_F(PlayScripts, DraggingAGroupStoredInAClosedBoxFails) {
  // Box 2 opens, the topmost group drops into it and the box closes over it: the group stays
  // last in the drawing order and cannot be picked.
  const std::string script =
      "select Pack Lake\ncommand 32821\npress 1008 48\nrelease 1008 48\ndrag 14 700 150\n"
      "press 1008 48\nrelease 1008 48\nstate boxed\ndrag 14 300 300\n";
  EXPECT_EQ(PlayText(script), 1);
  EXPECT_NE(err.find("line 9: "), std::string::npos) << err;
  const std::vector<GroupState> groups = State("boxed").Groups();
  ASSERT_EQ(groups.size(), 15u);
  EXPECT_EQ(groups.back().box, 2);
}

TEST_F(PlayScripts, AGameSavedAtAnotherScreenSizeIsRefusedWithAMessage) {
  ASSERT_EQ(Play("quit-restart-1.play"), 0) << err;
  ASSERT_EQ(PlayText("select Pack Harbour\ncommand 32821\nstate refused\n", "--screen 800x600"), 0)
      << err;
  EXPECT_NE(out.find("message: This puzzle was created in a different screen resolution.\\nTry "
                     "to Modify or Scatter it.\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(State("refused").ViewMode(), "Gallery");
}

TEST_F(PlayScripts, GalleryBarsScrollAndClicksPickPacksAndPuzzles) {
  for (const char* copy : {"Pack2", "Pack3", "Pack4", "Pack5"})
    fs::copy(dir / "root" / "Puzzles" / "Pack", dir / "root" / "Puzzles" / copy);
  ASSERT_EQ(Play("gallery-scroll.play", "--view 640x480"), 0) << err;
  struct Expected {
    const char* state;
    const char* pack;
    const char* puzzle;
    int packScroll, puzzleScroll;
  };
  // Five packs overfill the strip by 160 pixels, one row of puzzles the grid by 20; the second
  // pack is current at the start.
  for (const Expected& e : {Expected{"start", "Pack2", "Harbour", 0, 0},
                            Expected{"scrolled", "Pack2", "Harbour", 160, 20},
                            Expected{"pack-picked", "Pack3", "Harbour", 10, 0},
                            Expected{"puzzle-picked", "Pack3", "Lake", 10, 0}}) {
    const StateFile state = State(e.state);
    EXPECT_EQ(state.ViewMode(), "Gallery") << e.state;
    EXPECT_EQ(state.Name("currentPack"), e.pack) << e.state;
    EXPECT_EQ(state.Name("currentPuzzle"), e.puzzle) << e.state;
    EXPECT_EQ(state.Number("packScroll"), e.packScroll) << e.state;
    EXPECT_EQ(state.Number("puzzleScroll"), e.puzzleScroll) << e.state;
  }
  EXPECT_NE(out.find("menu: 134 at 300 400\n"), std::string::npos) << out;
  EXPECT_EQ(ReadText(dir / "out" / "gallery.ppm").substr(0, 15), "P6\n640 480\n255\n");

  // Without packs the state names nothing; bad scroll lines fail.
  fs::remove_all(dir / "root" / "Puzzles");
  ASSERT_EQ(PlayText("state empty\n"), 0) << err;
  EXPECT_EQ(State("empty").Name("currentPack"), "null");
  EXPECT_EQ(State("empty").Name("currentPuzzle"), "null");
  EXPECT_EQ(PlayText("scroll puzzles lineup\nscroll sideways lineup\n"), 1);
  EXPECT_NE(err.find("line 2: "), std::string::npos) << err;
  EXPECT_EQ(PlayText("scroll packs track\n"), 1);
  EXPECT_EQ(PlayText("scroll packs wiggle\n"), 1);
}

// The composed frame in each display format against the 32-bit one: the same picture, each
// channel within what the narrower channels lose.
class PlayFormats : public PlayScripts, public testing::WithParamInterface<const char*> {
 protected:
  // The solved Lake's shot and the pixel in the middle of its top-left piece's cell.
  std::array<int, 3> SolvedPixel(const std::string& format) {
    const std::string script = "select Pack Lake\ncommand 32821\nsolve 2\nstate s\nshot s\n";
    EXPECT_EQ(PlayText(script, "--format " + format), 0) << err;
    const StateFile state = State("s");
    const std::string shot = ReadText(dir / "out" / "s.ppm");
    const std::string header = "P6\n1024 768\n255\n";
    EXPECT_EQ(shot.size(), header.size() + 1024u * 768 * 3);
    const long long half = state.Number("pieceSize") / 2;
    const std::size_t at =
        header.size() +
        static_cast<std::size_t>(
            ((state.Number("ghostY") + half) * 1024 + state.Number("ghostX") + half) * 3);
    if (shot.size() < at + 3) return {-1, -1, -1};
    return {static_cast<unsigned char>(shot[at]), static_cast<unsigned char>(shot[at + 1]),
            static_cast<unsigned char>(shot[at + 2])};
  }
};

TEST_P(PlayFormats, ShotsWidenChannelsToEightBits) {
  // Without quit or leaving, the first run saves nothing: both start from the same folder.
  const std::array<int, 3> reference = SolvedPixel("32");
  const std::array<int, 3> pixel = SolvedPixel(GetParam());
  EXPECT_GT(reference[0] + reference[1] + reference[2], 0);
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_LE(pixel[c], reference[c]) << c;
    EXPECT_GE(pixel[c], reference[c] - 8) << c;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, PlayFormats, testing::Values("24", "565", "555"));

// The management lines: each answers its dialogs in order, and the files follow.
TEST_F(PlayScripts, ScriptsCreateModifyRenameAndRemoveUserPuzzles) {
  const std::string harbour = (dir / "pictures" / "Harbour.bmp").string();
  ASSERT_EQ(PlayText("create " + harbour +
                     " 7 rotation bw My.Harbour\n"
                     "state created\n"
                     "create " +
                     harbour +
                     " cancel\n"
                     "create " +
                     harbour +
                     " 3 Harbour2\n"
                     "modify 2\n"
                     "state modified\n"
                     "rename Renamed\n"
                     "remove no\n"
                     "state renamed\n"
                     "remove yes\n"
                     "state removed\n"
                     "background 4 0x102030 preview\n"
                     "state previewed\n"
                     "background none 0x405060 ok\n"
                     "drop " +
                     (dir / "lake" / "Lake.bmp").string() +
                     " 3 Dropped\n"
                     "quit\n"),
            0)
      << err;
  const fs::path user = dir / "root" / "Puzzles" / "User";
  const StateFile created = State("created");
  EXPECT_EQ(created.Name("currentPack"), "User");
  EXPECT_EQ(created.Name("currentPuzzle"), "MyHarbour");
  EXPECT_EQ(created.Number("cols") * 100 + created.Number("rows"), 2015);
  EXPECT_TRUE(created.Flag("rotationOn"));
  EXPECT_TRUE(created.Flag("blackAndWhite"));
  EXPECT_NE(out.find("dialog: name \"Harbour\""), std::string::npos) << out;
  const StateFile modified = State("modified");
  EXPECT_EQ(modified.Name("currentPuzzle"), "Harbour2");
  EXPECT_EQ(modified.Number("sizeChoice"), 2);
  EXPECT_EQ(modified.Number("cols") * 100 + modified.Number("rows"), 503);
  EXPECT_EQ(State("renamed").Name("currentPuzzle"), "Renamed");
  EXPECT_EQ(State("removed").Name("currentPuzzle"), "null");
  EXPECT_TRUE(fs::exists(user / "MyHarbour.qvx"));
  EXPECT_FALSE(fs::exists(user / "Harbour2.qvx"));
  EXPECT_FALSE(fs::exists(user / "Renamed.qvx"));
  EXPECT_TRUE(fs::exists(user / "Dropped.qvx"));
  const StateFile previewed = State("previewed");
  EXPECT_EQ(previewed.Number("texture"), 4);
  EXPECT_EQ(previewed.Number("backgroundColour"), 0x302010);
  EXPECT_NE(out.find("settings: texture 0 colour 0x605040 texture enabled 0"), std::string::npos)
      << out;

  // Lines that cannot run say why.
  EXPECT_EQ(PlayText("create " + (dir / "lake" / "Lake.bmp").string() + " 0 Big\n"), 1);
  EXPECT_NE(err.find("choice 0 is not offered"), std::string::npos) << err;
  EXPECT_EQ(PlayText("select Pack Lake\nrename Other\n"), 0) << err;
  EXPECT_NE(out.find("message: You can only rename user-created puzzles."), std::string::npos);
}

}  // namespace
