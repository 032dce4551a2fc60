// Dump files read and written.

// own
#include "model/DumpFile.h"

// model
#include "model/FileAccess.h"

// std
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace
{
constexpr std::size_t kSizeWord = offsetof(ImageBlock, reserved1);
constexpr std::size_t kImageAt = offsetof(ImageBlock, image);
constexpr std::size_t kReserved2At = offsetof(ImageBlock, reserved2);
constexpr std::size_t kCodeBytes = kDumpFileSize - kBlockSize;

void StoreLittleEndian(std::uint32_t value, std::uint8_t* dest)
{
    for (int i = 0; i < 4; ++i)
    {
        dest[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t LoadLittleEndian(const std::uint8_t* source)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
    {
        value = (value << 8) | source[i];
    }
    return value;
}

// Reads up to length bytes; a short count means end of file or a read error.
std::size_t ReadAll(std::FILE* file, std::uint8_t* dest, std::size_t length)
{
    std::size_t total = 0;
    while (total < length)
    {
        const std::size_t got = std::fread(dest + total, 1, length - total, file);
        if (got == 0)
        {
            break;
        }
        total += got;
    }
    return total;
}

DumpFileStatus StatusOf(FileOpenError error)
{
    switch (error)
    {
    case FileOpenError::Missing:
        return DumpFileStatus::Missing;
    case FileOpenError::Denied:
        return DumpFileStatus::Denied;
    case FileOpenError::NotRegular:
        return DumpFileStatus::NotRegular;
    default:
        return DumpFileStatus::Unreadable;
    }
}
} // namespace

DumpFileRead ReadDumpFile(const std::string& path, ImageBlock& block)
{
    DumpFileRead read;
    FileOpenError openError = FileOpenError::None;
    FilePtr file = OpenRegularFile(path, openError);
    if (!file)
    {
        read.status = StatusOf(openError);
        return read;
    }
    read.opened = true;
    std::uint8_t buffer[kDumpFileSize];
    if (ReadAll(file.get(), buffer, kBlockSize) < kBlockSize)
    {
        read.status =
            std::ferror(file.get()) ? DumpFileStatus::Unreadable : DumpFileStatus::TooShort;
        return read;
    }
    if (ReadAll(file.get(), buffer + kBlockSize, kCodeBytes) == kCodeBytes)
    {
        read.hasCode = true;
        read.code = static_cast<std::int32_t>(LoadLittleEndian(buffer + kBlockSize));
    }
    block.size = LoadLittleEndian(buffer);
    std::memcpy(block.reserved1, buffer + kSizeWord, sizeof block.reserved1);
    std::memcpy(block.image, buffer + kImageAt, kImageSize);
    std::memcpy(block.reserved2, buffer + kReserved2At, sizeof block.reserved2);
    read.status = DumpFileStatus::Loaded;
    return read;
}

bool WriteDumpFile(const std::string& path, const ImageBlock& block, std::int32_t code)
{
    std::uint8_t buffer[kDumpFileSize];
    StoreLittleEndian(block.size, buffer);
    std::memcpy(buffer + kSizeWord, block.reserved1, sizeof block.reserved1);
    std::memcpy(buffer + kImageAt, block.image, kImageSize);
    std::memcpy(buffer + kReserved2At, block.reserved2, sizeof block.reserved2);
    StoreLittleEndian(static_cast<std::uint32_t>(code), buffer + kBlockSize);
    return SaveFileSafely(path, buffer, sizeof buffer);
}
