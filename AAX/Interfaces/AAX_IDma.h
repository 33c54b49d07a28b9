#pragma once

#include "AAX.h"

/** Direct memory access of the algorithm; the library only names its modes. */
class AAX_IDma
{
public:
    enum EMode : int32_t
    {
        eMode_Error = -1,
        eMode_Burst = 0,
        eMode_Gather = 1,
        eMode_Scatter = 2
    };

protected:
    ~AAX_IDma() = default;
};
