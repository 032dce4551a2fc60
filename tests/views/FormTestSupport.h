// Small helpers the form tests share: a list's entries and single image bytes.
#pragma once

// model
#include "model/RadioImage.h"

// Qt
#include <QComboBox>
#include <QStringList>

// std
#include <gtest/gtest.h>
#include <cstdint>

inline QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
    {
        items << list->itemText(i);
    }
    return items;
}

inline std::uint8_t Byte(const CRadioImage& image, std::uint32_t offset)
{
    std::uint8_t byte = 0;
    EXPECT_TRUE(image.ReadBlock(&byte, offset, 1));
    return byte;
}

inline void PutByte(CRadioImage& image, std::uint32_t offset, std::uint8_t byte)
{
    ASSERT_TRUE(image.WriteBlock(&byte, offset, 1));
}
