#include "tests/aaxhost/testhost/Router.h"

#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    Router::Router (Host& host, std::string name)
        : HostObject (host, std::move (name), Versions::all()), mFacet (*this, 1)
    {
        answer (IID_IACFUnknown, 1, &mFacet);
    }
} // namespace quindle::test::aaxhost
