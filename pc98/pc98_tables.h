// The PC-98 hardware texts: sound boards by identification nibble and the
// graphics flags of the BIOS work area.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

struct SoundBoardName {
  uint32_t id;  // high nibble of port 0xA460
  const char* text;
};
extern const SoundBoardName kSoundBoards[];
extern const size_t kSoundBoardCount;
inline constexpr const char* kUnknownSoundBoard = "Unknown Sound Board %.2x";

// The BIOS words the graphics lines test, read once before any line is added.
enum GraphicsWord : uint8_t { kDisplayMode, kGraphicsBoard, kGraphicsCharger };

struct GraphicsLine {
  GraphicsWord word;
  uint16_t bit;            // mask within the word
  const char* format;      // one %s
  const char* set;
  const char* clear;
  bool normalResolutionOnly;
};
extern const GraphicsLine kGraphicsLines[];
extern const size_t kGraphicsLineCount;

// Bit 3 of the display-mode word: the high-resolution (PC-98 Hi-res) mode.
inline constexpr uint16_t kHighResolutionBit = 0x0008;

}  // namespace vornak
