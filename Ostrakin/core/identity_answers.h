// The answers that name the machine's parts: operating system, processor, display adapter.
#pragma once

#include <cstdint>

#include "system_facts.h"

namespace ostrakin {

// The operating system's name for a version; "Unknown OS" for any version not named.
const char* OperatingSystemName(const OsVersion& version);

// Writes at most kAnswerCapacity bytes. Always answers.
void WriteOperatingSystem(SystemFacts& facts, char* out);

// Processor name and clock. Always answers: a name that cannot be read is empty text and a
// clock that cannot be read is 0.
void WriteProcessor(SystemFacts& facts, char* out);

// Display adapter description and screen size. False, with `out` untouched, when the
// description cannot be read or is longer than 256 bytes.
bool WriteVideoCard(SystemFacts& facts, char* out);

inline constexpr char kProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
inline constexpr char kProcessorNameValue[] = "ProcessorNameString";
inline constexpr char kProcessorClockValue[] = "~MHz";
inline constexpr char kDisplayAdapterKey[] =
    "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000";
inline constexpr char kDisplayAdapterValue[] = "DriverDesc";

constexpr uint32_t kPlatformWin32Nt = 2;

}  // namespace ostrakin
