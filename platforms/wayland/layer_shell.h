#pragma once
// The layer shell's client interface. Its XML names an argument "namespace", which the generated
// C header keeps as a parameter name: C++ reads it under another.

#define namespace layer_namespace
#include <wlr-layer-shell-unstable-v1-client.h>
#undef namespace
