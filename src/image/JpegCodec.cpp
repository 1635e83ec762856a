// Glue to the JPEG library: errors turned into jumps, a memory source, the reader and the writer.
#include "image/JpegCodec.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <utility>

// jpeglib.h expects size_t and FILE to be declared before it (cstdio, through JpegCodec.h);
// jerror.h holds the message codes.
#include <jerror.h>
#include <jpeglib.h>

#include "image/CImg.h"
#include "image/ImgPixelBuffer.h"

namespace {

// Rows handed to the library per call: more than any upsampling group, little stack.
constexpr JDIMENSION kRowsPerCall = 16;

// The library's output for 0x00RRGGBB words: blue, green, red, pad in memory on a little-endian
// machine, pad, red, green, blue on a big-endian one. The pad byte comes out as 0xFF.
constexpr J_COLOR_SPACE kWordOrder =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// The library's error manager plus the place to jump back to. The library reports a fatal error
// by calling error_exit, which must not return; ours jumps back into the running Guarded call.
// Warnings mean damaged data, so they end the work the same way, and nothing is ever printed.
struct JpegErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf target;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->target, 1);
}

// Level -1 is a warning about corrupt data; the others are trace messages.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) JumpBack(info);
}

void OutputNothing(j_common_ptr) {}

void InstallErrorJump(JpegErrorJump* error) {
  jpeg_std_error(&error->manager);
  error->manager.error_exit = JumpBack;
  error->manager.emit_message = EmitMessage;
  error->manager.output_message = OutputNothing;
}

// Runs `step`; false when the library gave up inside it. longjmp runs no destructors, so the
// frames between here and the library hold plain data only: whatever owns memory or a file is
// kept by the caller, and the library's own memory goes with its destroy call.
template <typename Step>
bool Guarded(JpegErrorJump* error, Step step) {
  if (setjmp(error->target) != 0) return false;
  step();
  return true;
}

// The memory source. The whole file is handed over at once, so the library asks for more only
// when the file ends too early: it then gets the warning for a premature end (which stops the
// decoding) and an end-of-image marker, never the file's bytes a second time.
constexpr JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr info) {
  info->err->msg_code = JWRN_JPEG_EOF;
  info->err->emit_message(reinterpret_cast<j_common_ptr>(info), -1);
  info->src->next_input_byte = kEndOfImage;
  info->src->bytes_in_buffer = sizeof kEndOfImage;
  return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
  jpeg_source_mgr* source = info->src;
  if (count <= 0) return;
  if (static_cast<unsigned long>(count) > source->bytes_in_buffer) {
    source->next_input_byte += source->bytes_in_buffer;
    source->bytes_in_buffer = 0;
    FillInput(info);
    return;
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void InstallMemorySource(jpeg_decompress_struct* info, jpeg_source_mgr* source, const uint8_t* data,
                         std::size_t size) {
  source->init_source = InitSource;
  source->fill_input_buffer = FillInput;
  source->skip_input_data = SkipInput;
  source->resync_to_restart = jpeg_resync_to_restart;
  source->term_source = TermSource;
  source->next_input_byte = data;
  source->bytes_in_buffer = data ? size : 0;
  info->src = source;
}

// Called before each step of reading the input; refuses a file with too many scans.
void LimitScans(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kJpegMaxScans) JumpBack(info);
}

// One decompression with our managers; destroying it frees the library's memory.
struct Decompression {
  Decompression() {
    InstallErrorJump(&error);
    info.err = &error.manager;
  }
  ~Decompression() { jpeg_destroy_decompress(&info); }
  Decompression(const Decompression&) = delete;
  Decompression& operator=(const Decompression&) = delete;

  jpeg_decompress_struct info{};
  JpegErrorJump error{};
  jpeg_source_mgr source{};
  jpeg_progress_mgr progress{};
};

// Picks the library's output for the file's colour space; false for one we do not decode.
bool ChooseOutput(jpeg_decompress_struct* info) {
  switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      info->out_color_space = kWordOrder;
      return true;
    case JCS_CMYK:
    case JCS_YCCK:
      info->out_color_space = JCS_CMYK;
      return true;
    default:
      return false;
  }
}

// ink x black / 255, rounded to nearest.
uint32_t Inked(uint32_t ink, uint32_t black) {
  return (ink * black + 127) / 255;
}

// Turns the library's words into 0x00RRGGBB in place: the pad byte is cleared, or inverted CMYK
// bytes are multiplied out.
void FinishWords(uint32_t* words, std::size_t count, bool cmyk) {
  if (!cmyk) {
    for (std::size_t i = 0; i < count; ++i) words[i] &= 0x00FFFFFFu;
    return;
  }
  const uint8_t* inks = reinterpret_cast<const uint8_t*>(words);
  for (std::size_t i = 0; i < count; ++i, inks += 4) {
    const uint32_t black = inks[3];
    words[i] = Inked(inks[0], black) << 16 | Inked(inks[1], black) << 8 | Inked(inks[2], black);
  }
}

// Decodes every row straight into `pixels` (width x height words). Runs inside Guarded.
void DecodeInto(jpeg_decompress_struct* info, uint32_t* pixels, JDIMENSION width,
                JDIMENSION height) {
  const auto common = reinterpret_cast<j_common_ptr>(info);
  jpeg_start_decompress(info);
  if (info->output_width != width || info->output_height != height ||
      info->output_components != 4) {
    JumpBack(common);
  }
  const bool cmyk = info->out_color_space == JCS_CMYK;
  JSAMPROW rows[kRowsPerCall];
  while (info->output_scanline < height) {
    const JDIMENSION first = info->output_scanline;
    const JDIMENSION count = std::min(kRowsPerCall, height - first);
    for (JDIMENSION i = 0; i < count; ++i)
      rows[i] = reinterpret_cast<JSAMPROW>(pixels + std::size_t{first + i} * width);
    const JDIMENSION read = jpeg_read_scanlines(info, rows, count);
    if (read == 0) JumpBack(common);
    FinishWords(pixels + std::size_t{first} * width, std::size_t{read} * width, cmyk);
  }
  jpeg_finish_decompress(info);
}

// One compression with our error manager; destroying it frees the library's memory.
struct Compression {
  Compression() {
    InstallErrorJump(&error);
    info.err = &error.manager;
  }
  ~Compression() { jpeg_destroy_compress(&info); }
  Compression(const Compression&) = delete;
  Compression& operator=(const Compression&) = delete;

  jpeg_compress_struct info{};
  JpegErrorJump error{};
};

void Configure(jpeg_compress_struct* info, uint32_t width, uint32_t height,
               const JpegWriteSettings& settings) {
  info->image_width = width;
  info->image_height = height;
  info->input_components = 3;
  info->in_color_space = JCS_RGB;
  jpeg_set_defaults(info);
  switch (settings.dctMethod) {
    case 0:
      info->dct_method = JDCT_ISLOW;
      break;
    case 1:
      info->dct_method = JDCT_IFAST;
      break;
    case 2:
      info->dct_method = JDCT_FLOAT;
      break;
    default:
      break;
  }
  info->optimize_coding = settings.optimize ? TRUE : FALSE;
  if (settings.greyscale) jpeg_set_colorspace(info, JCS_GRAYSCALE);
  jpeg_set_quality(info, settings.quality, TRUE);
  if (settings.progressive) jpeg_simple_progression(info);
}

// Writes every row. Runs inside Guarded.
void CompressRows(jpeg_compress_struct* info, const uint8_t* rgb) {
  jpeg_start_compress(info, TRUE);
  const std::size_t stride = std::size_t{info->image_width} * 3;
  JSAMPROW rows[kRowsPerCall];
  while (info->next_scanline < info->image_height) {
    const JDIMENSION first = info->next_scanline;
    const JDIMENSION count = std::min(kRowsPerCall, info->image_height - first);
    // The library only reads the rows it is given.
    for (JDIMENSION i = 0; i < count; ++i)
      rows[i] = const_cast<JSAMPROW>(rgb + (first + i) * stride);
    if (jpeg_write_scanlines(info, rows, count) == 0)
      JumpBack(reinterpret_cast<j_common_ptr>(info));
  }
  jpeg_finish_compress(info);
}

}  // namespace

int ReadJpeg(const uint8_t* data, std::size_t size, JpegPicture* picture) {
  uint32_t width = 0, height = 0;
  return ReadJpegReduced(data, size, UINT32_MAX, UINT32_MAX, picture, &width, &height);
}

int ReadJpegSize(const uint8_t* data, std::size_t size, uint32_t* width, uint32_t* height) {
  if (!width || !height) return IMG_NULL_POINTER;
  Decompression decompression;
  jpeg_decompress_struct* info = &decompression.info;
  const bool headerRead = Guarded(&decompression.error, [&] {
    jpeg_create_decompress(info);
    InstallMemorySource(info, &decompression.source, data, size);
    jpeg_read_header(info, TRUE);
  });
  if (!headerRead) return IMG_INCORRECT_FORMAT;
  *width = info->image_width;
  *height = info->image_height;
  return IMG_OK;
}

int ReadJpegReduced(const uint8_t* data, std::size_t size, uint32_t minWidth, uint32_t minHeight,
                    JpegPicture* picture, uint32_t* fullWidth, uint32_t* fullHeight) {
  if (!picture || !fullWidth || !fullHeight) return IMG_NULL_POINTER;
  Decompression decompression;
  jpeg_decompress_struct* info = &decompression.info;
  const bool headerRead = Guarded(&decompression.error, [&] {
    jpeg_create_decompress(info);
    InstallMemorySource(info, &decompression.source, data, size);
    decompression.progress.progress_monitor = LimitScans;
    info->progress = &decompression.progress;
    jpeg_read_header(info, TRUE);
  });
  if (!headerRead || !ChooseOutput(info)) return IMG_INCORRECT_FORMAT;
  const int sizeAnswer = CheckImgSize(info->image_width, info->image_height);
  if (sizeAnswer != IMG_OK) return sizeAnswer;
  unsigned int denominator = 8;
  const auto reduced = [](JDIMENSION side, unsigned int d) { return (side + d - 1) / d; };
  while (denominator > 1 && (reduced(info->image_width, denominator) < minWidth ||
                             reduced(info->image_height, denominator) < minHeight))
    denominator /= 2;
  info->scale_num = 1;
  info->scale_denom = denominator;
  if (!Guarded(&decompression.error, [&] { jpeg_calc_output_dimensions(info); }))
    return IMG_INCORRECT_FORMAT;
  const JDIMENSION width = info->output_width;
  const JDIMENSION height = info->output_height;
  std::unique_ptr<uint32_t[]> pixels = NewPixelBuffer(std::size_t{width} * height);
  if (!pixels) return IMG_NO_BUFFER;
  if (!Guarded(&decompression.error, [&] { DecodeInto(info, pixels.get(), width, height); }))
    return IMG_INCORRECT_FORMAT;
  *fullWidth = info->image_width;
  *fullHeight = info->image_height;
  picture->pixels = std::move(pixels);
  picture->width = width;
  picture->height = height;
  return IMG_OK;
}

bool WriteJpeg(std::FILE* file, const uint8_t* rgb, uint32_t width, uint32_t height,
               const JpegWriteSettings& settings) {
  if (!file || !rgb) return false;
  Compression compression;
  jpeg_compress_struct* info = &compression.info;
  return Guarded(&compression.error, [&] {
    jpeg_create_compress(info);
    jpeg_stdio_dest(info, file);
    Configure(info, width, height, settings);
    CompressRows(info, rgb);
  });
}
