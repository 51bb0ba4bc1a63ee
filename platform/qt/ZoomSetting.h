#pragma once
// The zoom the user chose, kept in the program's settings (user scope,
// INI format); read before the application exists.
namespace velmira::qtp {

// The stored zoom in percent (a valid step; 100 when none is stored).
int storedZoom();
void storeZoom(int percent);

}  // namespace velmira::qtp
