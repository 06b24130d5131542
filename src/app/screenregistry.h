#pragma once

namespace Quozzoli {

// Tells the navigator how to make every screen of the program.
void registerScreens();

} // namespace Quozzoli
