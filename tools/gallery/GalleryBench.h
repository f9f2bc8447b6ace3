#pragma once
// Times of the gallery's own work, written to a file: a full repaint of the window with every
// control, and a live switch between its built-in skins (the skin file decoded and read, every
// window and control re-skinned, and repainted). The manager's request is carried out at once
// instead of after its usual delay, so the figure is the work alone.
#include <string>

namespace vcu {

class TfrmGallery;

// False when the file cannot be written.
bool WriteGalleryBench(TfrmGallery& form, const std::string& path, int runs);

} // namespace vcu
