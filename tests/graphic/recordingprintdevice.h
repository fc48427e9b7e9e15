#pragma once

#include "graphic/printdevice.h"
#include "graphic/recordingcanvas.h"

#include <deque>
#include <string>
#include <vector>

// A printer for the tests: keeps one recording canvas per page and the order of the job calls, and
// can be told to fail at one of them.
class RecordingPrintDevice final : public PrintDevice {
public:
    enum class Fail { Never, Begin, NewPage, End };

    RecordingPrintDevice(int pageWidth, int pageHeight) : m_width(pageWidth), m_height(pageHeight) {}

    // Fails the given call; for NewPage the call that would start page `page` (0-based).
    void failAt(Fail when, int page = 1) {
        m_fail = when;
        m_failPage = page;
    }

    int pageWidth() const override { return m_width; }
    int pageHeight() const override { return m_height; }
    bool beginDocument(std::string_view title) override;
    bool newPage() override;
    bool endDocument() override;
    void abort() noexcept override;
    Canvas& canvas() override;
    std::string errorText() const override { return m_error; }

    bool jobOpen() const noexcept { return m_open; }
    // "begin <title>", "page", "end", "abort", in call order.
    const std::vector<std::string>& events() const noexcept { return m_events; }
    // The pages of the last job; a deque keeps references stable while pages are added.
    const std::deque<RecordingCanvas>& pages() const noexcept { return m_pages; }

private:
    int m_width, m_height;
    Fail m_fail = Fail::Never;
    int m_failPage = 1;
    bool m_open = false;
    std::string m_error;
    std::vector<std::string> m_events;
    std::deque<RecordingCanvas> m_pages;
};
