#include "messages/MessageHandlers.h"

#include "messages/AboutText.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"

MessageHandlers::MessageHandlers(MessageBoxes& boxes, ProgramEnd& end) : m_boxes(boxes), m_end(end)
{
}

void MessageHandlers::about()
{
    m_boxes.showMessage(AboutText::aboutPrompt(), MessageBoxes::Information, AboutText::AboutTitle);
}

void MessageHandlers::exit()
{
    m_boxes.showMessage(AboutText::Farewell, MessageBoxes::NoIcon, std::nullopt);
    m_end.endProgram();
}
