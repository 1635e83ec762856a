// pavlemir-tool fxlk: creates, lists and extracts FXLK archives.
#include <cstdio>
#include <string_view>

#include "Subcommand.h"
#include "image/CImgFileSource.h"

namespace {

constexpr const char* kUsage =
    "usage: pavlemir-tool fxlk create ARCHIVE FILE...\n"
    "       pavlemir-tool fxlk list ARCHIVE\n"
    "       pavlemir-tool fxlk extract ARCHIVE NAME OUT\n";

int Fail(const char* what, const char* path, int code) {
  std::fprintf(stderr, "pavlemir-tool: %s %s: %s\n", what, path, FxlkResultText(code));
  return 1;
}

// Each FILE becomes a member named by its path as given.
int Create(std::span<char*> args) {
  CImgFileSource source;
  const char* archive = args[0];
  if (const int code = source.CreateArchive(archive); code != FXLK_OK) {
    return Fail("cannot create", archive, code);
  }
  for (char* file : args.subspan(1)) {
    if (const int code = source.AddArchiveFile(file); code != FXLK_OK) {
      source.CloseArchive();
      std::remove(archive);
      return Fail("cannot add", file, code);
    }
  }
  if (const int code = source.CloseArchive(); code != FXLK_OK) {
    return Fail("cannot write", archive, code);
  }
  return 0;
}

// One line per member: name, unpacked length, stored length.
int List(const char* archive) {
  CImgFileSource source;
  if (const int code = source.OpenArchive(archive); code != FXLK_OK) {
    return Fail("cannot open", archive, code);
  }
  for (const FxlkMember& member : source.Archive().Members()) {
    std::printf("%s %u %u\n", member.name.c_str(), member.unpackedLength, member.storedLength);
  }
  return 0;
}

int Extract(const char* archive, const char* name, const char* out) {
  CImgFileSource source;
  if (const int code = source.OpenArchive(archive); code != FXLK_OK) {
    return Fail("cannot open", archive, code);
  }
  const uint32_t size = source.GetSize(name);
  const std::unique_ptr<uint8_t[]> data = source.ReadFile(name);
  if (!data) {
    std::fprintf(stderr, "pavlemir-tool: %s: no readable member %s\n", archive, name);
    return 1;
  }
  if (source.WriteFile(out, data.get(), size)) {
    std::fprintf(stderr, "pavlemir-tool: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

int RunFxlk(std::span<char*> args) {
  const std::string_view action = args.empty() ? "" : args[0];
  if (action == "create" && args.size() >= 3) return Create(args.subspan(1));
  if (action == "list" && args.size() == 2) return List(args[1]);
  if (action == "extract" && args.size() == 4) return Extract(args[1], args[2], args[3]);
  std::fputs(kUsage, stderr);
  return 2;
}

const SubcommandRegistration kFxlk(
    {"fxlk", "create ARCHIVE FILE... | list ARCHIVE | extract ARCHIVE NAME OUT",
     "create, list (name, unpacked and stored length) or extract "
     "members of an FXLK archive",
     RunFxlk});

}  // namespace
