#pragma once
// The Windows system's message texts for the errors the headless file system
// raises, as FormatMessage gives them, without the final ".".

namespace zelvio::systemtext {

inline constexpr const char* FileNotFound = "The system cannot find the file specified";
inline constexpr const char* PathNotFound = "The system cannot find the path specified";
inline constexpr const char* AccessDenied = "Access is denied";
inline constexpr const char* InvalidHandle = "The handle is invalid";
inline constexpr const char* NotSameDevice = "The system cannot move the file to a different disk drive";
inline constexpr const char* SharingViolation =
    "The process cannot access the file because it is being used by another process";
inline constexpr const char* DiskFull = "There is not enough space on the disk";
inline constexpr const char* BadNetPath = "The network path was not found";
inline constexpr const char* InvalidName = "The filename, directory name, or volume label syntax is incorrect";
inline constexpr const char* AlreadyExists = "Cannot create a file when that file already exists";
inline constexpr const char* NameTooLong = "The filename or extension is too long";
inline constexpr const char* DirectoryNameInvalid = "The directory name is invalid";

}  // namespace zelvio::systemtext
