// The fields of the 508-byte system settings record: where each sits (byte offset, word size
// in bytes, first bit, width) and how many consecutive fields of that width a group holds.
#pragma once

// Fields the system settings page edits: Name, offset, word size, first bit, width, count.
#define BOX_EDITED_FIELDS(X)                 \
  X(ClockYear, 0x12, 2, 0, 16, 1)            \
  X(AudioPriority, 0x14, 1, 0, 1, 1)         \
  X(SubtitleDisplay, 0x14, 1, 1, 1, 1)       \
  X(MenuLanguage, 0x14, 1, 2, 6, 1)          \
  X(ParentalLock, 0x15, 1, 0, 1, 1)          \
  X(AllowedTimeSwitch, 0x15, 1, 1, 1, 1)     \
  X(AudioLanguage, 0x15, 1, 2, 6, 1)         \
  X(ClockMonth, 0x16, 1, 0, 4, 1)            \
  X(AllowedEndMinute, 0x16, 2, 4, 6, 1)      \
  X(TimeZone, 0x17, 1, 2, 6, 1)              \
  X(AllowedEndHour, 0x18, 1, 0, 5, 1)        \
  X(AllowedStartHour, 0x18, 2, 5, 5, 1)      \
  X(AllowedStartMinute, 0x19, 1, 2, 6, 1)    \
  X(ClockDay, 0x1A, 1, 0, 5, 1)              \
  X(ClockHour, 0x1A, 2, 5, 5, 1)             \
  X(ClockMinute, 0x1B, 1, 2, 6, 1)           \
  X(CensorClass, 0x1C, 1, 0, 4, 1)           \
  X(PowerOnSwitch, 0x1C, 1, 4, 1, 1)         \
  X(PowerOnHour, 0x1C, 2, 5, 5, 1)           \
  X(EpgLanguage, 0x1D, 1, 2, 6, 1)           \
  X(ScreenRatio, 0x1E, 1, 0, 4, 1)           \
  X(TeletextLanguage, 0x1E, 2, 4, 6, 1)      \
  X(SubtitleLanguage, 0x1F, 1, 2, 6, 1)      \
  X(PowerOffSwitch, 0x20, 1, 0, 1, 1)        \
  X(TvOutput, 0x20, 1, 1, 3, 1)              \
  X(PowerOnMinute, 0x20, 2, 4, 6, 1)         \
  X(PowerOffMinute, 0x21, 1, 2, 6, 1)        \
  X(PowerOffHour, 0x22, 1, 0, 5, 1)          \
  X(VcrScart, 0x22, 1, 5, 3, 1)              \
  X(VideoSaturation, 0x23, 1, 0, 4, 1)       \
  X(ServiceSwitch, 0x23, 1, 4, 2, 1)         \
  X(SimpleMode, 0x23, 1, 6, 1, 1)            \
  X(CaInfo, 0x23, 1, 7, 1, 1)                \
  X(UhfMode, 0xCA, 1, 0, 4, 1)               \
  X(UhfOffset, 0xCA, 1, 4, 4, 1)             \
  X(UhfChannel, 0xCB, 1, 0, 8, 1)            \
  X(AutoUpdate, 0xCC, 1, 0, 1, 1)            \
  X(OsdTransparency, 0xCC, 1, 4, 4, 1)       \
  X(BannerTime, 0xCD, 1, 3, 5, 1)            \
  X(VideoBrightness, 0xCE, 1, 0, 4, 1)       \
  X(VideoContrast, 0xCE, 1, 4, 4, 1)         \
  X(LedBrightness, 0xCF, 1, 4, 3, 1)         \
  X(DaylightSaving, 0xD0, 1, 0, 1, 1)        \
  X(PanelDisplay, 0xEB, 1, 0, 4, 1)          \
  X(SpdifMode, 0xEB, 1, 4, 1, 1)             \
  X(TvStandard, 0x139, 1, 2, 3, 1)           \
  X(RemoteMode, 0x143, 1, 6, 2, 1)

// Fields decoded into the view and written back unchanged. A group of count > 1 holds
// consecutive fields of the same width, the first at the lowest bits.
#define BOX_KEPT_FIELDS(X)                   \
  X(Flags00, 0x00, 1, 0, 1, 4)               \
  X(Value00a, 0x00, 1, 4, 2, 1)              \
  X(Value00b, 0x00, 1, 6, 2, 1)              \
  X(Value01a, 0x01, 1, 0, 4, 1)              \
  X(Value01b, 0x01, 1, 4, 3, 1)              \
  X(Value01c, 0x01, 2, 7, 2, 1)              \
  X(Value02a, 0x02, 2, 1, 8, 1)              \
  X(Value02b, 0x02, 2, 9, 7, 1)              \
  X(Byte04, 0x04, 1, 0, 8, 2)                \
  X(Word06, 0x06, 2, 0, 16, 6)               \
  X(ValueC9, 0xC9, 1, 6, 2, 1)               \
  X(ValueCC, 0xCC, 1, 1, 3, 1)               \
  X(ValueCF, 0xCF, 1, 0, 4, 1)               \
  X(FlagCF, 0xCF, 1, 7, 1, 1)                \
  X(ValueD1, 0xD1, 1, 2, 6, 1)               \
  X(ValueD2a, 0xD2, 1, 0, 3, 1)              \
  X(ValueD2b, 0xD2, 1, 3, 5, 1)              \
  X(ByteD3, 0xD3, 1, 0, 8, 1)                \
  X(DwordD4, 0xD4, 4, 0, 32, 3)              \
  X(ByteE0, 0xE0, 1, 0, 8, 4)                \
  X(WordE4, 0xE4, 2, 0, 16, 3)               \
  X(FlagsEA, 0xEA, 1, 0, 1, 8)               \
  X(FlagEB5, 0xEB, 1, 5, 1, 1)               \
  X(FlagEB6, 0xEB, 1, 6, 1, 1)               \
  X(DwordEC, 0xEC, 4, 0, 32, 1)              \
  X(WordF0, 0xF0, 2, 0, 16, 1)               \
  X(ValueF2, 0xF2, 2, 0, 15, 1)              \
  X(FlagF3, 0xF3, 1, 7, 1, 1)                \
  X(Nibbles130, 0x130, 1, 0, 4, 16)          \
  X(Flags138, 0x138, 1, 0, 1, 8)             \
  X(Flag139, 0x139, 1, 0, 1, 1)              \
  X(SatelliteSettingSelector, 0x139, 1, 1, 1, 1) \
  X(Value139, 0x139, 1, 5, 3, 1)             \
  X(Byte13A, 0x13A, 1, 0, 8, 2)              \
  X(Value13C, 0x13C, 1, 0, 3, 1)             \
  X(DefaultLanguagePosition, 0x13C, 1, 3, 5, 1) \
  X(LanguageMask, 0x13C, 4, 12, 20, 1)       \
  X(Flags13D, 0x13D, 1, 0, 1, 4)             \
  X(Word140, 0x140, 2, 0, 16, 1)             \
  X(Value142a, 0x142, 1, 0, 4, 1)            \
  X(Value142b, 0x142, 2, 4, 6, 1)

// One id per field, groups taking count consecutive ids (kBoxNibbles130 + k is nibble k).
enum BoxField : int {
#define BOX_FIELD_ID(name, offset, size, first, width, count) kBox##name, kBox##name##Last = kBox##name + (count) - 1,
  BOX_EDITED_FIELDS(BOX_FIELD_ID) BOX_KEPT_FIELDS(BOX_FIELD_ID)
#undef BOX_FIELD_ID
  kBoxFieldCount
};
