// The file source reads from disk, or from the archive opened through it until that is closed.
#include <gtest/gtest.h>

#include "FxlkTestSupport.h"
#include "image/CImg.h"
#include "image/CImgFileSource.h"

namespace {

// An archive with a compressible picture member and an empty one, and a plain disk file.
class FxlkFileSource : public testing::Test {
 protected:
  void SetUp() override {
    m_archivePath = (m_folder / "pack.fxl").string();
    m_diskPath = (m_folder / "disk.bin").string();
    WriteWholeFile(m_diskPath, m_diskBytes);
    CImgFileSource writer;
    ASSERT_EQ(writer.CreateArchive(m_archivePath.c_str()), FXLK_OK);
    ASSERT_EQ(
        writer.AddArchiveMember("pics\\sky.bmp", m_sky.data(), static_cast<uint32_t>(m_sky.size())),
        FXLK_OK);
    ASSERT_EQ(writer.AddArchiveMember("empty.txt", nullptr, 0), FXLK_OK);
    ASSERT_FALSE(writer.ReadsFromArchive());
    // Reads go to disk while an archive is being written.
    EXPECT_EQ(writer.GetSize(m_diskPath.c_str()), m_diskBytes.size());
    ASSERT_EQ(writer.CloseArchive(), FXLK_OK);
  }

  ScratchFolder m_folder;
  std::string m_archivePath;
  std::string m_diskPath;
  const std::vector<uint8_t> m_sky = WordBytes(6000, 1);
  const std::vector<uint8_t> m_diskBytes = RandomBytes(777, 2);
};

TEST_F(FxlkFileSource, WithoutAnArchiveReadsComeFromDisk) {
  CImgFileSource source;
  EXPECT_FALSE(source.ReadsFromArchive());
  EXPECT_EQ(source.GetSize(m_diskPath.c_str()), m_diskBytes.size());
  const auto bytes = source.ReadFile(m_diskPath.c_str());
  ASSERT_NE(bytes, nullptr);
  EXPECT_TRUE(std::equal(m_diskBytes.begin(), m_diskBytes.end(), bytes.get()));
  EXPECT_EQ(source.GetSize("Pics/Sky.BMP"), 0u);
}

TEST_F(FxlkFileSource, AnOpenArchiveAnswersByMemberName) {
  CImgFileSource source;
  ASSERT_EQ(source.OpenArchive(m_archivePath.c_str()), FXLK_OK);
  EXPECT_TRUE(source.ReadsFromArchive());
  EXPECT_EQ(source.GetSize("Pics/Sky.BMP"), m_sky.size());
  const auto sky = source.ReadFile("Pics/Sky.BMP");
  ASSERT_NE(sky, nullptr);
  EXPECT_TRUE(std::equal(m_sky.begin(), m_sky.end(), sky.get()));
  // A disk file is not a member.
  EXPECT_EQ(source.GetSize(m_diskPath.c_str()), 0u);
  EXPECT_EQ(source.ReadFile(m_diskPath.c_str()), nullptr);
  EXPECT_EQ(source.GetSize("empty.txt"), 0u);
  EXPECT_LT(source.Archive().MemberStoredLength("pics\\sky.bmp"), m_sky.size());
  // Writing is never sent to the archive.
  const std::string written = (m_folder / "out.bin").string();
  EXPECT_FALSE(source.WriteFile(written.c_str(), m_sky.data(), 10));
  EXPECT_EQ(ReadWholeFile(written), std::vector<uint8_t>(m_sky.begin(), m_sky.begin() + 10));
}

TEST_F(FxlkFileSource, ClosingTheArchiveSendsReadsBackToDisk) {
  CImgFileSource source;
  ASSERT_EQ(source.OpenArchive(m_archivePath.c_str()), FXLK_OK);
  ASSERT_EQ(source.CloseArchive(), FXLK_OK);
  EXPECT_FALSE(source.ReadsFromArchive());
  EXPECT_EQ(source.GetSize("Pics/Sky.BMP"), 0u);
  EXPECT_EQ(source.GetSize(m_diskPath.c_str()), m_diskBytes.size());
  EXPECT_EQ(source.CloseArchive(), FXLK_NOT_OPEN);
}

TEST_F(FxlkFileSource, AFailedOpenKeepsReadsOnDisk) {
  CImgFileSource source;
  EXPECT_EQ(source.OpenArchive(m_diskPath.c_str()), FXLK_WRONG_MAGIC);
  EXPECT_FALSE(source.ReadsFromArchive());
  EXPECT_EQ(source.GetSize(m_diskPath.c_str()), m_diskBytes.size());
}

TEST_F(FxlkFileSource, LoadFileThroughAnOpenArchive) {
  CImgFileSource source;
  ASSERT_EQ(source.OpenArchive(m_archivePath.c_str()), FXLK_OK);
  CImg image;
  ASSERT_EQ(image.LoadFile("Pics/Sky.BMP", source), IMG_OK);
  ASSERT_EQ(image.m_dataSize, m_sky.size());
  EXPECT_TRUE(std::equal(m_sky.begin(), m_sky.end(), image.m_data.get()));
  EXPECT_EQ(image.m_type, IMG_TYPE_BMP);
  EXPECT_EQ(image.m_fileName, "Pics/Sky.BMP");
  // Absent and empty members are "File not found", as missing and empty files are.
  EXPECT_EQ(image.LoadFile("pics\\rain.bmp", source), IMG_FILE_NOT_FOUND);
  EXPECT_EQ(image.m_data, nullptr);
  EXPECT_EQ(image.LoadFile("empty.txt", source), IMG_FILE_NOT_FOUND);
  // Without the archive the same name is looked for on disk.
  EXPECT_EQ(image.LoadFile("Pics/Sky.BMP"), IMG_FILE_NOT_FOUND);
}

TEST_F(FxlkFileSource, ArchivesAreBuiltFromDiskFiles) {
  const std::string path = (m_folder / "files.fxl").string();
  {
    CImgFileSource writer;
    ASSERT_EQ(writer.CreateArchive(path.c_str()), FXLK_OK);
    ASSERT_EQ(writer.AddArchiveFile(m_diskPath.c_str()), FXLK_OK);
    // Destroying the source writes the archive out.
  }
  CImgFileSource source;
  ASSERT_EQ(source.OpenArchive(path.c_str()), FXLK_OK);
  const auto bytes = source.ReadFile(m_diskPath.c_str());
  ASSERT_NE(bytes, nullptr);
  EXPECT_TRUE(std::equal(m_diskBytes.begin(), m_diskBytes.end(), bytes.get()));
}

}  // namespace
