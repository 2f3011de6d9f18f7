#pragma once

#include "platform/AppError.h"

#include <functional>

// The number of the AppError that `action` throws; 0 when it throws none.
inline int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.number();
    }
    return 0;
}
