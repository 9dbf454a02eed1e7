#pragma once

namespace tarnwick {

// The decimal separator of the user's number format (the default QLocale), as
// the number rules take it. A separator outside ASCII falls back to ".".
char DecimalSeparator();

}  // namespace tarnwick
