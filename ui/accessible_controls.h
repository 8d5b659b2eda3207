#pragma once

class QLineEdit;

namespace hourvault {

// How assistive tools read the lists and the result boxes, where Qt's own reading misleads a
// screen reader: an editable drop-down is named by its text there ("< select audio quality >
// combo box"), and a read-only box is announced as editable as well. A list is named by its
// accessible name (its frame's caption) with its text as the value, and a read-only box is
// read-only only. Installed once, before the first window is built.
void installAccessibleControls();

// While the program itself refills a list, shows its prompt or drops a pick, the field's text
// passes through states no one should hear (emptied, the first entry, the prompt again). This
// holds back the field's text events until the event at hand is handled, then reports the
// change, if there is any, as one.
void holdTextEvents(QLineEdit& field);

} // namespace hourvault
