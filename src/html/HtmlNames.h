#pragma once
// Link targets as Windows file names.

#include <string>

// True for "http:...", "mailto:...", "file:..." and the like (two letters or more before ':').
bool HasUrlScheme(const std::string& url);

// `url` (Windows-1251, '/' or '\' separated, maybe with "#anchor") as a full Windows name
// relative to the folder of `document`: "." and ".." resolved, a leading '\' or '/' from the
// document's drive, names with a drive kept, URLs with a scheme and bare anchors returned
// unchanged apart from the anchor being kept. "%20" and other escapes are decoded.
std::string ExpandHtmlName(const std::string& document, const std::string& url);

// The name without its "#anchor", and the anchor alone (without '#').
std::string WithoutAnchor(const std::string& name);
std::string AnchorOf(const std::string& name);
