#pragma once
// Stored layouts kept as RCDATA resources named after the form's class.

namespace korvane {

class TComponent;

// Reads the layout resource named after the component's class into it (its
// properties and the components it owns); nothing when there is none.
void LoadLayoutResource(TComponent& root);

}  // namespace korvane
