#pragma once
// The bytes of the protocol with the mouse: report sizes, command codes, the
// fixed report and the pauses the mouse needs between transfers.
#include <cstddef>
#include <cstdint>

namespace mervik::wire {

inline constexpr size_t kFeatureReportSize = 8;
inline constexpr size_t kChecksumByte = 7;
inline constexpr uint8_t kChecksumTotal = 0xFF; // all eight bytes add up to this

// Commands of feature reports (byte 0).
inline constexpr uint8_t kCmdReportInterval = 0x01;
inline constexpr uint8_t kCmdFixed = 0x03;
inline constexpr uint8_t kCmdActiveDpiLevel = 0x0B;
inline constexpr uint8_t kCmdLighting = 0x0D;
inline constexpr uint8_t kCmdColours = 0x10;
inline constexpr uint8_t kCmdDpiLevels = 0x11;
inline constexpr uint8_t kCmdButtonMapPage = 0x12;
inline constexpr uint8_t kCmdSequenceBank = 0x13;
inline constexpr uint8_t kCmdReadActiveDpiLevel = 0x8B;

// Parameters (bytes 1..6) of the reports whose parameters are fixed.
inline constexpr uint8_t kFixedReportParams[6] = {0x00, 0x0F, 0xD8, 0x40, 0x00, 0x00};
inline constexpr uint8_t kColoursParams[2] = {0x00, 0x18};
inline constexpr uint8_t kDpiLevelsParams[2] = {0x06, 0x08};
inline constexpr uint8_t kActiveDpiLevelLengthParam = 0x08; // byte 2 of 0x0B
inline constexpr uint8_t kButtonMapPageLengthParam = 0x40;  // byte 2 of 0x12
inline constexpr uint8_t kSequenceBankLengthParam = 0x80;   // byte 2 of 0x13

// Output blocks that follow an announcement.
inline constexpr size_t kMaxBlockSize = 32;
inline constexpr size_t kColourBlockSize = 24;
inline constexpr size_t kDpiBlockSize = 8;
inline constexpr size_t kMapBlockSize = 32;
inline constexpr int kBlocksPerAnnouncement = 1; // colours, DPI levels

// DPI levels: six stages, the two spare bytes and disabled stages carry this bit.
inline constexpr int kDpiLevelCount = 6;
inline constexpr uint8_t kDpiLevelDisabled = 0x80;

// Button map: a 4-byte cell per slot, sent as four pages of two blocks.
inline constexpr size_t kCellSize = 4;
inline constexpr size_t kButtonMapSize = 256;
inline constexpr int kMapPageCount = 4;
inline constexpr size_t kMapPageSize = kButtonMapSize / kMapPageCount;
inline constexpr int kBlocksPerMapPage = kMapPageSize / kMapBlockSize;
inline constexpr int kFirstUnsentSlot = 24; // slots 24..29 always send an empty cell
inline constexpr int kLastUnsentSlot = 29;
inline constexpr uint8_t kCellPlaySequence = 0x09; // cell byte 0 of a button that plays a bank

// Sequence banks: a 2-byte repeat header, then steps.
inline constexpr size_t kBankSize = 128;
inline constexpr size_t kBankHeaderSize = 2;
inline constexpr size_t kBankStepCapacity = kBankSize - kBankHeaderSize;
inline constexpr int kBankCount = 11;
inline constexpr int kBlocksPerBank = kBankSize / kMapBlockSize;
inline constexpr uint8_t kStepPress = 0x01;
inline constexpr uint8_t kStepRelease = 0x81;
inline constexpr uint8_t kStepShortPauseMask = 0x7F; // pause / 10 ms, in the control byte
inline constexpr unsigned kShortPauseUnitMs = 10;
inline constexpr unsigned kLongPauseUnitMs = 50;
inline constexpr uint8_t kLongPauseMarker = 0x02; // last byte of a 4-byte step

// Pauses, in milliseconds, that the mouse needs.
inline constexpr unsigned kPauseAfterStep = 100;
inline constexpr unsigned kPauseAfterColourBlock = 150;
inline constexpr unsigned kPauseAroundDpiBlock = 50;
inline constexpr unsigned kPauseAfterAnnouncement = 150; // 0x12 and 0x13
inline constexpr unsigned kPauseAfterMapBlock = 100;
inline constexpr unsigned kPauseAfterMapPage = 200;
inline constexpr unsigned kPauseAfterBankBlock = 50;
inline constexpr unsigned kPauseAfterBank = 50;
inline constexpr unsigned kPauseBeforeDpiRead = 100;

// The answer to 0x8B: byte 1 is the active level, 1..6.
inline constexpr size_t kActiveLevelByte = 1;

} // namespace mervik::wire
