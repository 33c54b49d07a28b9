#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

namespace quindle::test::aaxhost
{
    /** An unknown that answers no interface of its own: queries go on to the objects given to
        alsoAsk, in order. The host unknown and an instance's unknown are routers. */
    class Router : public HostObject
    {
    public:
        Router (Host& host, std::string name);

    private:
        Facet<IACFUnknown, Router> mFacet;
    };
} // namespace quindle::test::aaxhost
