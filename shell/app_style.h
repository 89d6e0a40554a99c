#pragma once
// The application's style: the style Qt chose, less a slow start-up look-up.

class QStyle;

namespace trellum::shell {

// The application's style, with the few standard icons Qt would look up the
// slow way at start-up read directly. Owned by QApplication once set.
QStyle* newAppStyle();

}  // namespace trellum::shell
