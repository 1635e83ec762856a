// Puzzle files by byte offsets, as a second implementation of the format to test against.
#include "QvxTestFile.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <type_traits>

namespace {

// The header's fields at their offsets from the end of the picture.
template <typename Header, typename Visit>
void VisitHeader(Header& h, Visit visit) {
  visit(0, h.magic), visit(4, h.cellLeft), visit(8, h.cellTop), visit(12, h.pictureWidth);
  visit(14, h.pictureHeight), visit(16, h.solvedPercent), visit(17, h.pieceCount);
  visit(19, h.cols), visit(21, h.rows), visit(23, h.hours), visit(25, h.minutes);
  visit(27, h.seconds), visit(29, h.sizeChoice), visit(33, h.rotationOn);
  visit(34, h.blackAndWhite), visit(35, h.boxOpen), visit(39, h.ghostShown);
  visit(40, h.thumbnailShown), visit(41, h.thumbLeft), visit(45, h.thumbTop);
  visit(49, h.thumbWidth), visit(53, h.thumbHeight), visit(57, h.screenHeight);
  visit(61, h.screenWidth), visit(65, h.displayDepth), visit(69, h.thumbWidthPx);
  visit(73, h.thumbHeightPx);
}

void Put(std::vector<uint8_t>& out, std::size_t at, std::size_t bytes, uint64_t value) {
  for (std::size_t i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t Get(const std::vector<uint8_t>& in, std::size_t at, std::size_t bytes) {
  uint64_t v = 0;
  for (std::size_t i = 0; i < bytes; ++i) v |= uint64_t{in[at + i]} << (8 * i);
  return v;
}

}  // namespace

QvxFields::QvxFields() {
  header.pictureWidth = 400, header.pictureHeight = 300;
  header.pieceCount = 12, header.cols = 4, header.rows = 3, header.sizeChoice = 1;
  header.thumbWidthPx = 3, header.thumbHeightPx = 2;
}

std::vector<uint8_t> BuildQvx(const QvxFields& f) {
  const std::size_t p = f.picture.size();
  const std::size_t b = p + 77 + f.thumbnail.size() + 5;
  std::vector<uint8_t> out(b + f.pieceBlock.size() + 8, 0);
  std::copy(f.picture.begin(), f.picture.end(), out.begin());
  VisitHeader(f.header, [&](std::size_t at, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    if constexpr (std::is_integral_v<T>)
      Put(out, p + at, sizeof(T),
          static_cast<uint64_t>(static_cast<std::make_unsigned_t<T>>(field)));
    else
      std::copy(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(p + at));
  });
  std::copy(f.thumbnail.begin(), f.thumbnail.end(),
            out.begin() + static_cast<std::ptrdiff_t>(p + 77));
  std::copy(f.extension.begin(), f.extension.end(),
            out.begin() + static_cast<std::ptrdiff_t>(b - 5));
  std::copy(f.pieceBlock.begin(), f.pieceBlock.end(), out.begin() + static_cast<std::ptrdiff_t>(b));
  Put(out, out.size() - 8, 4,
      static_cast<uint64_t>(f.trailerB >= 0 ? f.trailerB : static_cast<int64_t>(b)));
  Put(out, out.size() - 4, 4,
      static_cast<uint64_t>(f.trailerP >= 0 ? f.trailerP : static_cast<int64_t>(p)));
  return out;
}

std::vector<uint8_t> BuildPieceBlock(const std::vector<TestPiece>& pieces,
                                     const std::vector<TestGroup>& groups) {
  std::vector<uint8_t> out(2 + 12 * pieces.size() + 2);
  Put(out, 0, 2, pieces.size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Put(out, 2 + 12 * i, 4, static_cast<uint32_t>(pieces[i].x));
    Put(out, 6 + 12 * i, 4, static_cast<uint32_t>(pieces[i].y));
    Put(out, 10 + 12 * i, 4, static_cast<uint32_t>(pieces[i].rotation));
  }
  Put(out, out.size() - 2, 2, groups.size());
  for (const TestGroup& group : groups) {
    const std::size_t at = out.size();
    out.resize(at + 6 + 4 * group.ids.size());
    Put(out, at, 4, group.box);
    Put(out, at + 4, 2, group.ids.size());
    for (std::size_t i = 0; i < group.ids.size(); ++i) Put(out, at + 6 + 4 * i, 4, group.ids[i]);
  }
  return out;
}

bool ReadQvx(const std::vector<uint8_t>& in, QvxFields& f) {
  if (in.size() < 8) return false;
  const std::size_t b = Get(in, in.size() - 8, 4);
  const std::size_t p = Get(in, in.size() - 4, 4);
  if (p + 77 > in.size() - 8 || b > in.size() - 8) return false;
  f.picture.assign(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(p));
  VisitHeader(f.header, [&](std::size_t at, auto& field) {
    using T = std::decay_t<decltype(field)>;
    if constexpr (std::is_integral_v<T>)
      field = static_cast<T>(Get(in, p + at, sizeof(T)));
    else
      std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(p + at), field.size(), field.begin());
  });
  const std::size_t thumb = p + 77;
  const std::size_t thumbBytes = std::size_t{3} * f.header.thumbWidthPx * f.header.thumbHeightPx;
  if (thumb + thumbBytes + 5 > in.size() - 8) return false;
  f.thumbnail.assign(in.begin() + static_cast<std::ptrdiff_t>(thumb),
                     in.begin() + static_cast<std::ptrdiff_t>(thumb + thumbBytes));
  std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(thumb + thumbBytes), 5, f.extension.begin());
  f.pieceBlock.assign(in.begin() + static_cast<std::ptrdiff_t>(b), in.end() - 8);
  f.trailerB = static_cast<int64_t>(b);
  f.trailerP = static_cast<int64_t>(p);
  return true;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "pavlemir-library-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}
