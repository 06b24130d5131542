#include "sharedvalues.h"

namespace Quozzoli {

SharedValues &shared()
{
    static SharedValues values;
    return values;
}

} // namespace Quozzoli
