#include "pc98/pc98_tables.h"

namespace vornak {

// "\xA5" is the half-width middle dot of the Shift-JIS code page.
const SoundBoardName kSoundBoards[] = {
    {1, "PC-98GS (DSP\xA5PCM\xA5" "ADPCM) YM-2608"},
    {2, "PC-9801-73 (DSP\xA5PCM\xA5" "ADPCM) YM-2608 Port:01xx"},
    {3, "PC-9801-73 (DSP\xA5PCM\xA5" "ADPCM) YM-2608 Port:02xx"},
    {4, "PC-9801-86 or PC-9821(PCM) YM-2608 Port:01xx"},
    {5, "PC-9801-86 (PCM) YM-2608 Port:02xx"},
    {8, "PC-9801-118 (FM\xA5" "ADPCM) YMF297-F AM27C"},
    {15, "PC-9801-26K YM-2203"},
};
const size_t kSoundBoardCount = sizeof kSoundBoards / sizeof kSoundBoards[0];

const GraphicsLine kGraphicsLines[] = {
    {kGraphicsCharger, 0x0004, "16Color Board:%s", "On", "Off", false},
    {kGraphicsCharger, 0x0002, "GRCG:%s ", "On", "Off", false},
    {kGraphicsBoard, 0x0040, "EGC:%s ", "On", "Off", false},
    {kGraphicsBoard, 0x0004, "GDC Clock:%3sMHz ", "5", "2.5", false},
    {kDisplayMode, kHighResolutionBit, "Resolution:%s", "High", "Normal", false},
    {kGraphicsBoard, 0x0080, "H98 256Color Board:%s", "Found", "None", false},
    {kGraphicsBoard, 0x0010, "V-Ram Access:%s", "Dual Port", "Normal", true},
};
const size_t kGraphicsLineCount = sizeof kGraphicsLines / sizeof kGraphicsLines[0];

}  // namespace vornak
