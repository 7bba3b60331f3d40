// The run-time module that speaks to a running office suite over its URP pipe. It is the only
// code that links the suite's runtime libraries; the program loads it from its own folder when
// a suite first accepts connections on the pipe (platform/OfficeLink.cpp), then attaches
// through it directly, and calls it only from its worker thread. The runtime writes to the pipe
// with plain send(): the program ignores SIGPIPE from its start, so a write to a suite that has
// hung up fails here instead of ending the program.
#include "platform/OfficeConnection.h"
#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/XConnection.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XSheetCellRanges.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <dlfcn.h>
#include <mutex>
#include <osl/file.hxx>
#include <rtl/bootstrap.hxx>
#include <rtl/ustring.hxx>
#include <com/sun/star/uno/RuntimeException.hpp>
#include <stdlib.h>
#include <vector>

namespace {

namespace star = ::com::sun::star;
using rtl::OUString;
using star::uno::Any;
using star::uno::Reference;
using star::uno::UNO_QUERY;
using star::uno::UNO_QUERY_THROW;
using star::uno::UNO_SET_THROW;

const OUString TextDocument("com.sun.star.text.TextDocument");
const OUString SpreadsheetDocument("com.sun.star.sheet.SpreadsheetDocument");
// A larger selection (whole columns, say) receives the text in its first cell only.
constexpr long MostCellsFilled = 1000;

// The runtime's program folder (with its settings file unorc and the types folder) as a URL,
// found through the library this module was linked against; empty when it cannot be found.
OUString runtimeFolderUrl()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&rtl_uString_acquire), &info) || !info.dli_fname)
        return OUString();
    char* real = realpath(info.dli_fname, nullptr);
    if (!real)
        return OUString();
    OUString path = OUString::fromUtf8(real);
    free(real);
    path = path.copy(0, path.lastIndexOf('/'));
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(path, url) != osl::FileBase::E_None)
        return OUString();
    return url;
}

// This process's own component context, made once and kept while the program runs (the
// runtime does not take well to being shut down and started again). It knows the suite's
// whole interface too, since the bridge needs the description of every type that a call or
// an answer carries.
Reference<star::uno::XComponentContext> localContext()
{
    static std::mutex guard;
    static Reference<star::uno::XComponentContext>* context = nullptr;
    const std::lock_guard lock(guard);
    if (!context) {
        const OUString folder = runtimeFolderUrl();
        if (folder.isEmpty())
            throw star::uno::RuntimeException(OUString("no runtime folder"));
        rtl::Bootstrap::set(OUString("URE_MORE_TYPES"), "<" + folder + "/types>*");
        context = new Reference<star::uno::XComponentContext>(
            cppu::defaultBootstrap_InitialComponentContext(folder + "/unorc"));
    }
    return *context;
}

OUString ou(const std::u16string& text)
{
    return OUString(reinterpret_cast<const sal_Unicode*>(text.data()), sal_Int32(text.size()));
}

bool supports(const Reference<star::uno::XInterface>& object, const OUString& service)
{
    const Reference<star::lang::XServiceInfo> info(object, UNO_QUERY);
    return info.is() && info->supportsService(service);
}

class UnoConnection final : public vdl::office::Connection {
public:
    UnoConnection(Reference<star::lang::XComponent> bridge, Reference<star::frame::XDesktop2> desktop)
        : m_bridge(std::move(bridge)), m_desktop(std::move(desktop))
    {
    }
    ~UnoConnection() override
    {
        m_textTarget.clear();
        m_sheetTarget.clear();
        m_lastText.clear();
        m_lastSheet.clear();
        m_desktop.clear();
        cut();
    }

    bool documents(vdl::office::Documents& open) override
    {
        try {
            open = {};
            remember(Reference<star::frame::XModel>(m_desktop->getCurrentComponent(), UNO_QUERY));
            const Reference<star::container::XEnumeration> all = m_desktop->getComponents()->createEnumeration();
            while (all->hasMoreElements()) {
                const Any element = all->nextElement();
                // A document closing meanwhile answers no more; the others still count.
                try {
                    const Reference<star::uno::XInterface> document(element, UNO_QUERY);
                    if (supports(document, TextDocument))
                        open.text = true;
                    else if (supports(document, SpreadsheetDocument))
                        open.spreadsheet = true;
                } catch (const star::uno::RuntimeException&) {
                }
            }
            return true;
        } catch (...) {
            return false;
        }
    }

    bool typeText(const std::u16string& text) override
    {
        try {
            m_textTarget = pick(TextDocument, m_lastText);
            const Reference<star::text::XTextViewCursor> cursor = viewCursor();
            if (!cursor.is())
                return false;
            cursor->setString(ou(text));
            cursor->collapseToEnd();
            return true;
        } catch (...) {
            // Nothing typed: the cursor is not moved nor the document brought forward.
            m_textTarget.clear();
            return false;
        }
    }

    bool moveDown(int lines) override
    {
        try {
            const Reference<star::text::XTextViewCursor> cursor = viewCursor();
            if (!cursor.is())
                return false;
            // On the last line the cursor stays, which is no failure.
            const Reference<star::view::XViewCursor> view(cursor, UNO_QUERY_THROW);
            view->goDown(sal_Int16(lines), false);
            return true;
        } catch (...) {
            return false;
        }
    }

    bool activateText() override { return toFront(m_textTarget); }

    bool setSelection(const std::u16string& text) override
    {
        try {
            m_sheetTarget = pick(SpreadsheetDocument, m_lastSheet);
            if (!m_sheetTarget.is())
                return false;
            const Reference<star::view::XSelectionSupplier> supplier(m_sheetTarget->getCurrentController(),
                                                                     UNO_QUERY_THROW);
            const Any selection = supplier->getSelection();
            std::vector<Reference<star::table::XCellRange>> ranges;
            if (const Reference<star::sheet::XSheetCellRanges> several(selection, UNO_QUERY); several.is()) {
                for (sal_Int32 i = 0; i < several->getCount(); ++i)
                    ranges.emplace_back(several->getByIndex(i), UNO_QUERY);
            } else {
                ranges.emplace_back(selection, UNO_QUERY);
            }
            if (ranges.empty() || !ranges.front().is())
                return false; // a drawing or nothing is selected
            std::vector<star::table::CellRangeAddress> addresses;
            long cells = 0;
            for (const auto& range : ranges) {
                const Reference<star::sheet::XCellRangeAddressable> addressable(range, UNO_QUERY_THROW);
                addresses.push_back(addressable->getRangeAddress());
                const auto& a = addresses.back();
                cells += long(a.EndColumn - a.StartColumn + 1) * long(a.EndRow - a.StartRow + 1);
            }
            const Any formula(ou(text));
            for (size_t i = 0; i < ranges.size(); ++i) {
                const auto& a = addresses[i];
                const sal_Int32 columns = cells > MostCellsFilled ? 1 : a.EndColumn - a.StartColumn + 1;
                const sal_Int32 rows = cells > MostCellsFilled ? 1 : a.EndRow - a.StartRow + 1;
                for (sal_Int32 row = 0; row < rows; ++row)
                    for (sal_Int32 column = 0; column < columns; ++column) {
                        // The cell takes the text as if typed, read in the suite's own locale.
                        const Reference<star::beans::XPropertySet> cell(ranges[i]->getCellByPosition(column, row),
                                                                        UNO_QUERY_THROW);
                        cell->setPropertyValue(OUString("FormulaLocal"), formula);
                    }
                if (cells > MostCellsFilled)
                    break;
            }
            return true;
        } catch (...) {
            return false;
        }
    }

    bool activateSpreadsheet() override { return toFront(m_sheetTarget); }

    void cut() override
    {
        Reference<star::lang::XComponent> bridge;
        {
            const std::lock_guard lock(m_cutGuard);
            bridge = m_bridge;
            m_bridge.clear();
        }
        try {
            if (bridge.is())
                bridge->dispose();
        } catch (...) {
        }
    }

private:
    void remember(const Reference<star::frame::XModel>& current)
    {
        if (supports(current, TextDocument))
            m_lastText = current;
        else if (supports(current, SpreadsheetDocument))
            m_lastSheet = current;
    }

    // The current document when it is of that kind, else the last one of that kind that was
    // current and is still open, else the first open one of that kind.
    Reference<star::frame::XModel> pick(const OUString& service, Reference<star::frame::XModel>& last)
    {
        const Reference<star::frame::XModel> current(m_desktop->getCurrentComponent(), UNO_QUERY);
        remember(current);
        if (supports(current, service))
            return current;
        if (last.is()) {
            try {
                if (last->getCurrentController().is())
                    return last;
            } catch (const star::uno::RuntimeException&) {
            }
            last.clear();
        }
        const Reference<star::container::XEnumeration> all = m_desktop->getComponents()->createEnumeration();
        while (all->hasMoreElements()) {
            const Reference<star::frame::XModel> document(all->nextElement(), UNO_QUERY);
            if (supports(document, service))
                return last = document;
        }
        return {};
    }

    Reference<star::text::XTextViewCursor> viewCursor() const
    {
        if (!m_textTarget.is())
            return {};
        const Reference<star::text::XTextViewCursorSupplier> supplier(m_textTarget->getCurrentController(), UNO_QUERY);
        return supplier.is() ? supplier->getViewCursor() : Reference<star::text::XTextViewCursor>();
    }

    static bool toFront(const Reference<star::frame::XModel>& document)
    {
        try {
            if (!document.is())
                return false;
            // A document that is closing has no view left: that is a failure, not a crash.
            const Reference<star::frame::XController> view(document->getCurrentController(), UNO_SET_THROW);
            const Reference<star::frame::XFrame> frame(view->getFrame(), UNO_SET_THROW);
            frame->activate();
            if (const Reference<star::awt::XTopWindow> window(frame->getContainerWindow(), UNO_QUERY); window.is())
                window->toFront();
            return true;
        } catch (...) {
            return false;
        }
    }

    std::mutex m_cutGuard;
    Reference<star::lang::XComponent> m_bridge;
    Reference<star::frame::XDesktop2> m_desktop;
    Reference<star::frame::XModel> m_lastText, m_lastSheet;     // last seen current, per kind
    Reference<star::frame::XModel> m_textTarget, m_sheetTarget; // of the running hand-off
};

} // namespace

extern "C" __attribute__((visibility("default"))) vdl::office::Connection* vdlOfficeConnect(const char16_t* pipeName)
{
    Reference<star::lang::XComponent> bridgeComponent;
    try {
        const Reference<star::uno::XComponentContext> context = localContext();
        const Reference<star::connection::XConnection> connection
            = star::connection::Connector::create(context)->connect("pipe,name=" + ou(pipeName));
        const Reference<star::bridge::XBridge> bridge
            = star::bridge::BridgeFactory::create(context)->createBridge(OUString(), OUString("urp"), connection, nullptr);
        bridgeComponent.set(bridge, UNO_QUERY_THROW);
        const Reference<star::uno::XComponentContext> remote(bridge->getInstance(OUString("StarOffice.ComponentContext")),
                                                             UNO_QUERY_THROW);
        Reference<star::frame::XDesktop2> desktop = star::frame::Desktop::create(remote);
        return new UnoConnection(std::move(bridgeComponent), std::move(desktop));
    } catch (...) {
        try {
            if (bridgeComponent.is())
                bridgeComponent->dispose();
        } catch (...) {
        }
        return nullptr;
    }
}
