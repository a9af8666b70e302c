#include "examples/ExampleTransport.h"

#include "core/AppContext.h"
#include "examples/ExampleList.h"
#include "plan/Plan.h"
#include "image/PictureReader.h"

ExampleTransport::ExampleTransport(AppContext& context, Plan& plan, const ExampleList& examples,
                                   std::function<void(int floor)> floorChanged)
    : m_context(context)
    , m_plan(plan)
    , m_examples(examples)
    , m_floorChanged(std::move(floorChanged))
{
}

void ExampleTransport::takeOver(int position)
{
    if (!m_context.prompts.askYesNo(QStringLiteral(" Transporteren"), QStringLiteral("Wilt u dit voorbeeld transporteren?")))
        return;
    // Read first: an unreadable example leaves the drawing on the floor alone.
    const auto picture = readPicture(m_examples.path(position));
    if (!picture) {
        m_context.prompts.message(QStringLiteral("Fout bij het laden van voorbeeld!"));
        return;
    }
    const int floor = m_plan.currentFloor();
    m_plan.history().record({floor}, QStringLiteral("voorbeeld"), [&] { m_plan.floor(floor).setPicture(*picture); });
    m_floorChanged(floor);
}
