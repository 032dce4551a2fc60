// Texts of the shared user-interface pieces (message boxes, dialog buttons),
// spelled exactly as shown.
#pragma once

namespace UiText
{
inline constexpr char kMessageCaption[] = "Vesk4";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";
} // namespace UiText
