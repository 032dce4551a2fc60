// The rows of a compare window as the user reads them.
#pragma once

// app
#include "app/CompareWindow.h"

// Qt
#include <QStandardItemModel>

// std
#include <string>
#include <vector>

// Each row's cells in table order: form, field, first and second value.
inline std::vector<std::vector<std::string>> CompareRows(const CCompareWindow& window)
{
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(window.Rows()->rowCount()));
    for (std::size_t row = 0; row < rows.size(); ++row)
    {
        for (int column = 0; column < window.Rows()->columnCount(); ++column)
        {
            rows[row].push_back(
                window.Rows()->item(static_cast<int>(row), column)->text().toStdString());
        }
    }
    return rows;
}
