#pragma once

#include <functional>

struct AppContext;
class ExampleList;
class Plan;

// Takes the example chosen in the browser over onto the floor that is shown.
class ExampleTransport {
public:
    // `floorChanged` repaints the canvas of the floor whose picture was replaced.
    ExampleTransport(AppContext& context, Plan& plan, const ExampleList& examples,
                     std::function<void(int floor)> floorChanged);

    // Asks first; on Yes example `position` replaces the current floor's
    // picture, unscaled at its top left. The other floors stay as they are.
    void takeOver(int position);

private:
    AppContext& m_context;
    Plan& m_plan;
    const ExampleList& m_examples;
    std::function<void(int floor)> m_floorChanged;
};
