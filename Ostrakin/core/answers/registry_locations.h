// Where in HKEY_LOCAL_MACHINE the identity answers read, and the values they read there.
#pragma once

namespace ostrakin {

inline constexpr char kProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
inline constexpr char kProcessorNameValue[] = "ProcessorNameString";
inline constexpr char kProcessorClockValue[] = "~MHz";

// ControlSet001 itself, on purpose, not CurrentControlSet: the answer is defined by that set, and
// the first adapter (instance 0000) only.
inline constexpr char kDisplayAdapterKey[] =
    "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000";
inline constexpr char kDisplayAdapterValue[] = "DriverDesc";

}  // namespace ostrakin
