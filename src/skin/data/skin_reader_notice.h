#pragma once
// Messages the skin package reader shows the user. The Windows layer binds a
// sink that shows a message box titled with the application title; without a
// sink the messages are dropped. Everything runs on the one UI thread.

#include <functional>
#include <string>

namespace korvane {

using SkinNoticeSink = std::function<void(const std::string& message)>;

// Installs the sink and returns the one it replaces.
SkinNoticeSink SetSkinNoticeSink(SkinNoticeSink sink);
void ShowSkinNotice(const std::string& message);

}  // namespace korvane
