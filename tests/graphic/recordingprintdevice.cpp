#include "recordingprintdevice.h"

#include <stdexcept>

bool RecordingPrintDevice::beginDocument(std::string_view title) {
    m_events.push_back("begin " + std::string(title));
    if (m_open)
        throw std::logic_error("a job is already open");
    if (m_fail == Fail::Begin) {
        m_error = "Drucker nicht bereit";
        return false;
    }
    m_open = true;
    m_pages.clear();
    m_pages.emplace_back();
    return true;
}

bool RecordingPrintDevice::newPage() {
    m_events.push_back("page");
    if (!m_open)
        throw std::logic_error("no job open");
    if (m_fail == Fail::NewPage && static_cast<int>(m_pages.size()) == m_failPage) {
        m_error = "Papierstau";
        return false;
    }
    m_pages.emplace_back();
    return true;
}

bool RecordingPrintDevice::endDocument() {
    m_events.push_back("end");
    if (!m_open)
        throw std::logic_error("no job open");
    if (m_fail == Fail::End) {
        m_error = "Datei nicht schreibbar";
        return false;
    }
    m_open = false;
    return true;
}

void RecordingPrintDevice::abort() noexcept {
    m_events.push_back("abort");
    m_open = false;
}

Canvas& RecordingPrintDevice::canvas() {
    if (!m_open)
        throw std::logic_error("no job open");
    return m_pages.back();
}
