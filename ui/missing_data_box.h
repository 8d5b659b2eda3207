#pragma once

class QString;
class QWidget;

namespace hourvault {

// The Missing Data box, modal over its owner until OK: the text alone, with no icon.
void showMissingDataBox(QWidget& owner, const QString& text, const QString& title);

} // namespace hourvault
