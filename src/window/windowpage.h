#pragma once

namespace quillet {

// The pages under the window's tab strip, in the order of its tabs. Commands name the page
// to show; the window finds its tab and frame.
enum class WindowPage { FileList, MenuText, Source, Web, Log };

} // namespace quillet
