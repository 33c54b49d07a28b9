#pragma once

#include "AAX_Enums.h"

// Procedures that the host calls directly. The typed forms in AAX_IComponentDescriptor forward
// to these untyped ones.

/** Processes the instances from begin up to (not including) end. */
typedef void (AAX_CALLBACK* AAX_CProcessProc) (void* const inInstancesBegin[], const void* const inInstancesEnd);
/** Initialises or tears down one instance's context; returns a result. */
typedef int32_t (AAX_CALLBACK* AAX_CInstanceInitProc) (const void* inInstanceContextPtr, AAX_EComponentInstanceInitAction inAction);
/** Runs the algorithm's background work; returns a result. */
typedef int32_t (AAX_CALLBACK* AAX_CBackgroundProc)();
