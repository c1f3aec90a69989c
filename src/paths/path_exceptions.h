#pragma once
// The errors of path specifiers and their lists; framework exceptions, so
// their texts pass through the translator.

#include "base/exceptions.h"

namespace vorlan {

VORLAN_EXCEPTION(IEPathSpecifier, IException);
VORLAN_EXCEPTION(IEPathSpecifierList, IException);
VORLAN_EXCEPTION(IEPathSpecifierClassList, IException);

}  // namespace vorlan
