// Event codes of the filter graph.
#pragma once

#define EC_COMPLETE 0x01
#define EC_USERABORT 0x02
#define EC_ERRORABORT 0x03

#ifndef INFINITE
#define INFINITE 0xFFFFFFFF
#endif
