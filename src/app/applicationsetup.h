#pragma once

namespace Quozzoli {

// Settings of the whole application, made once before the first window.
void setUpApplication();

} // namespace Quozzoli
