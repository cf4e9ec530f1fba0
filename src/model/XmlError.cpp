#include "model/XmlError.h"

#include "model/XmlLimits.h"
#include "model/XmlMessages.h"

#include <iterator>

namespace orv {

static_assert(std::size(xmlmsg::FaultDetails) == static_cast<std::size_t>(XmlFault::TagTooLong) + 1,
              "one detail text per fault");

TfrxInvalidXMLException::TfrxInvalidXMLException(XmlFault fault, std::uint64_t offset)
    : Exception(xmlmsg::InvalidFileFormat), FFault(fault), FOffset(offset) {}

std::string TfrxInvalidXMLException::Detail() const {
    std::string text = xmlmsg::FaultDetails[static_cast<int>(FFault)];
    if (FFault == XmlFault::TooDeep) text += " (" + std::to_string(kMaxXmlDepth) + " levels)";
    if (FFault == XmlFault::TagTooLong) text += " (" + std::to_string(kMaxXmlTagLength) + " bytes)";
    return text;
}

} // namespace orv
