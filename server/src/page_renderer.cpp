#include "page_renderer.h"

#include <cstdint>
#include <cstdio>

namespace {

// Sits on the same line as the intro's "</div>": the client turns every "\n"
// into "\r\n", which would change the byte count it cuts off.
constexpr char kIntroTail[] = R"tail(<p class="more"><a href="javascript:void(0)" class="j">(more)</a></p>)tail";
static_assert(sizeof(kIntroTail) - 1 == PageRenderer::kIntroTailLength,
              "the intro tail must be exactly the bytes the client drops");

// Lines pushed in front of the markers of a "deep" page: the client reads only
// the first 850 lines, so everything after line 900 is out of its reach.
constexpr int kDeepPadding = 920;

class Html {
public:
    void line(const std::string &text) {
        text_ += text;
        text_ += '\n';
    }
    // A block of whole lines (ends in a newline).
    void block(const char *text) { text_ += text; }
    const std::string &text() const { return text_; }

private:
    std::string text_;
};

const char *const kLibraryLabels[kLibraryFieldCount] = {
    "分类号：", "题名：", "责任者：", "出版社：", "页数：", "开本", "出版日期：", "版次", "定价：",
};

// A stable number for author links, so pages do not change between runs.
std::uint32_t nameNumber(const std::string &name) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    return 1000000 + h % 9000000;
}

std::string authorLinks(const std::vector<std::string> &names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i) out += " / ";
        out += "<a class=\"\" href=\"/author/" + std::to_string(nameNumber(names[i])) + "/\">" + names[i] + "</a>";
    }
    return out;
}

const char kCommunityStyle[] = R"(<style type="text/css">
body { margin: 0; font: 12px Helvetica, Arial, sans-serif; color: #111; background: #fff; }
a:link { color: #37a; text-decoration: none; }
a:visited { color: #669; text-decoration: none; }
a:hover { color: #fff; background: #37a; }
.hidden { display: none; }
.clear { clear: both; }
.clearfix:after { content: "."; display: block; height: 0; clear: both; visibility: hidden; }
#global-nav { height: 28px; background: #545652; color: #d5d5d5; }
#global-nav .bd { width: 950px; margin: 0 auto; }
#global-nav .global-nav-items { float: left; }
#global-nav .global-nav-items li { display: inline-block; margin-right: 14px; line-height: 28px; }
#global-nav .global-nav-items a { color: #d5d5d5; }
#global-nav .top-nav-info { float: right; line-height: 28px; }
#db-nav-book { height: 88px; background: #f6f6f1; }
#db-nav-book .nav-wrap { width: 950px; margin: 0 auto; }
#db-nav-book .nav-logo { float: left; font-size: 28px; line-height: 60px; }
#db-nav-book .nav-search { float: left; margin: 16px 0 0 30px; }
#db-nav-book .nav-search input.inp { width: 300px; height: 24px; border: 1px solid #ccc; }
#db-nav-book .nav-items { clear: both; }
#db-nav-book .nav-items li { display: inline-block; margin-right: 20px; }
#wrapper { width: 950px; margin: 0 auto; }
#wrapper h1 { font-size: 26px; font-weight: bold; padding-top: 20px; margin-bottom: 15px; }
#content .article { float: left; width: 590px; padding-right: 40px; }
#content .aside { float: right; width: 310px; }
.subjectwrap { margin-bottom: 20px; }
#mainpic { float: left; margin: 3px 12px 0 0; max-width: 155px; }
#mainpic img { max-width: 135px; max-height: 200px; }
#info { float: left; max-width: 280px; line-height: 150%; word-wrap: break-word; }
#info .pl { color: #666; }
#interest_sectl { float: right; width: 155px; margin-top: 2px; padding-left: 15px; border-left: 1px solid #eaeaea; }
.rating_logo { color: #9b9b9b; }
.rating_num { font-size: 28px; color: #494949; }
.rating_sum { color: #37a; }
.related_info h2 { font-size: 15px; color: #072; margin: 24px 0 12px; }
.related_info .indent { padding-left: 0; }
.intro p { text-indent: 2em; margin: 0 0 15px; word-break: normal; }
.intro .more { text-indent: 0; text-align: right; }
.content.clearfix dl { float: left; width: 104px; margin: 0 25px 10px 0; text-align: center; }
.content.clearfix dt img { width: 90px; height: 129px; }
.comment-list .comment-item { border-bottom: 1px dashed #ddd; padding: 10px 0; }
.aside .mod { margin-bottom: 30px; }
.aside h2 { font-size: 15px; color: #072; }
.aside ul li { line-height: 22px; }
#footer { clear: both; width: 950px; margin: 40px auto 0; padding: 6px 0 30px; border-top: 1px dashed #ddd; color: #999; }
#footer .fright { float: right; }
#footer a { color: #999; }
</style>
)";

const char kCommunityScript[] = R"(<script type="text/javascript">
var _head_start = new Date();
(function (win) {
    var doc = win.document;
    var Do = win.Do = win.Do || function () { Do.queue.push(arguments); };
    Do.queue = [];
    Do.ready = function (fn) {
        if (doc.readyState === 'complete') { fn(); return; }
        doc.addEventListener('DOMContentLoaded', fn, false);
    };
    win.toggleIntro = function (el) {
        var box = el.parentNode.parentNode;
        box.className = box.className.indexOf('all') >= 0 ? 'short' : 'all';
        return false;
    };
    win.trackClick = function (name) {
        var img = new Image();
        img.src = '/stat.gif?e=' + encodeURIComponent(name) + '&t=' + (+new Date());
    };
})(window);
Do.ready(function () {
    var links = document.querySelectorAll('#db-nav-book .nav-items a');
    for (var i = 0; i < links.length; i++) {
        links[i].onclick = function () { trackClick(this.getAttribute('data-name')); };
    }
});
</script>
)";

const char kCommunityGlobalNav[] = R"(<div id="global-nav">
  <div class="bd">
    <div class="top-nav-info">
      <a href="/accounts/login" class="nav-login" rel="nofollow">登录/注册</a>
    </div>
    <div class="global-nav-items">
      <ul>
        <li><a href="/" data-name="home">首页</a></li>
        <li class="on"><a href="/book/" data-name="book">读书</a></li>
        <li><a href="/group/" data-name="group">小组</a></li>
        <li><a href="/event/" data-name="event">同城</a></li>
        <li><a href="/music/" data-name="music">音乐</a></li>
        <li><a href="/movie/" data-name="movie">电影</a></li>
      </ul>
    </div>
  </div>
</div>
<div id="db-nav-book" class="nav">
  <div class="nav-wrap">
    <div class="nav-primary">
      <div class="nav-logo"><a href="/book/">书友圈读书</a></div>
      <div class="nav-search">
        <form action="/book/subject_search" method="get">
          <fieldset>
            <legend>搜索：</legend>
            <input id="inp-query" class="inp" name="search_text" size="22" maxlength="60" placeholder="书名、作者、ISBN" value="">
            <input class="bn" type="submit" value="搜索">
            <input type="hidden" name="cat" value="1001">
          </fieldset>
        </form>
      </div>
    </div>
    <div class="nav-secondary">
      <div class="nav-items">
        <ul>
          <li><a href="/book/mine" data-name="mine">我读</a></li>
          <li><a href="/book/updates" data-name="updates">动态</a></li>
          <li><a href="/book/recommended" data-name="recommended">书友圈猜</a></li>
          <li><a href="/book/tag/" data-name="tags">分类浏览</a></li>
          <li><a href="/book/cart" data-name="cart">购书单</a></li>
          <li><a href="/book/annual" data-name="annual">年度榜单</a></li>
        </ul>
      </div>
    </div>
  </div>
</div>
)";

const char kCommunityFooter[] = R"(<div id="footer">
  <span id="icp" class="fleft gray-link">
    &copy; 2005－2024 书友圈 all rights reserved
  </span>
  <span class="fright">
    <a href="/about">关于书友圈</a>
    &middot; <a href="/jobs">在书友圈工作</a>
    &middot; <a href="/about?topic=contactus">联系我们</a>
    &middot; <a href="/about/legal">法律声明</a>
    &middot; <a href="/help/">帮助中心</a>
    &middot; <a href="/mobile/">移动应用</a>
  </span>
</div>
<script type="text/javascript">
Do.ready(function () {
    var t = new Date() - _head_start;
    if (t > 0) { trackClick('page_load_' + Math.round(t / 100)); }
});
</script>
</body>
</html>
)";

const char kLibraryHead[] = R"(<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<meta http-equiv="X-UA-Compatible" content="IE=edge" />
<link href="css/opac.css" rel="stylesheet" type="text/css" />
<style type="text/css">
body { margin: 0; font: 12px "Microsoft YaHei", SimSun, sans-serif; background: #eef3f8; }
a { color: #1c4e87; text-decoration: none; }
a:hover { text-decoration: underline; }
#header { height: 86px; background: #1c4e87; color: #fff; }
#header .logo { float: left; font-size: 24px; line-height: 60px; padding-left: 24px; }
#header .userinfo { float: right; padding: 8px 24px 0 0; }
#header .userinfo a { color: #dbe7f5; }
#menu { clear: both; height: 26px; background: #2a65a8; }
#menu li { float: left; list-style: none; padding: 0 16px; line-height: 26px; }
#menu li a { color: #fff; }
#menu li.current { background: #eef3f8; }
#menu li.current a { color: #1c4e87; }
#searchbar { padding: 10px 24px; background: #dbe7f5; }
#searchbar .txt { width: 320px; }
#content { margin: 12px 24px; padding: 12px; background: #fff; border: 1px solid #c5d5e6; }
#content h2 { font-size: 16px; color: #1c4e87; border-bottom: 1px solid #c5d5e6; padding-bottom: 6px; }
table.resultlist, table.detail, table.holding { width: 100%; border-collapse: collapse; }
table.resultlist th, table.holding th { background: #dbe7f5; padding: 4px; text-align: left; }
table.resultlist td, table.holding td { border-bottom: 1px dotted #c5d5e6; padding: 4px; }
table.detail td { padding: 3px 6px; vertical-align: top; }
table.detail td.lbl { width: 110px; color: #555; text-align: right; white-space: nowrap; }
table.detail td.val { color: #000; }
.pager { margin-top: 10px; text-align: center; }
.summary { color: #555; }
.nohit { padding: 30px 0; color: #c00; text-align: center; }
#sidebar { margin: 12px 24px; }
#sidebar .box { float: left; width: 31%; margin-right: 2%; background: #fff; border: 1px solid #c5d5e6; }
#sidebar .box h3 { margin: 0; padding: 4px 8px; font-size: 13px; background: #dbe7f5; color: #1c4e87; }
#sidebar .box ul, #sidebar .box ol { margin: 6px 0; padding-left: 26px; }
#sidebar .box li { line-height: 20px; }
#sidebar .box .author { color: #777; }
#marc pre { font: 12px "Courier New", monospace; background: #f7f7f7; padding: 6px; }
.btnbar { margin: 10px 0; }
.btnbar a { display: inline-block; padding: 2px 10px; border: 1px solid #c5d5e6; background: #eef3f8; }
#footer { clear: both; padding: 10px; text-align: center; color: #777; }
#footer .links a { margin: 0 6px; color: #555; }
</style>
<script type="text/javascript">
//<![CDATA[
function checkSearch(f) {
    var v = f.ISBN.value.replace(/^\s+|\s+$/g, '');
    if (v.length == 0) { alert('请输入检索词'); f.ISBN.focus(); return false; }
    return true;
}
function addToShelf(id) {
    var req = new XMLHttpRequest();
    req.open('GET', 'ajax/shelf.ashx?add=' + encodeURIComponent(id), true);
    req.send(null);
    return false;
}
//]]>
</script>
)";

const char kLibraryTop[] = R"(<div id="header">
  <div class="logo">市图书馆 联合书目查询系统</div>
  <div class="userinfo">
    <a href="Login.aspx">读者登录</a> |
    <a href="Help.aspx">使用帮助</a> |
    <a href="http://www.example.org/" target="_blank">图书馆主页</a>
  </div>
</div>
<ul id="menu">
  <li class="current"><a href="BookSearch.aspx">书目检索</a></li>
  <li><a href="NewBooks.aspx">新书通报</a></li>
  <li><a href="TopLoans.aspx">热门借阅</a></li>
  <li><a href="Recommend.aspx">读者荐购</a></li>
  <li><a href="Notice.aspx">图书馆公告</a></li>
  <li><a href="MyLibrary.aspx">我的图书馆</a></li>
</ul>
<form name="aspnetForm" method="get" action="BookSearch.aspx" id="aspnetForm" onsubmit="return checkSearch(this);">
<div id="searchbar">
  检索途径：<select name="by"><option value="isbn" selected="selected">ISBN</option></select>
  <input type="text" name="ISBN" class="txt" maxlength="40" value="" />
  <input type="submit" value="检 索" class="btn" />
</div>
</form>
)";

const char kLibraryClasses[] = R"(  <div class="box">
    <h3>分类浏览</h3>
    <ul>
      <li><a href="ClassBrowse.aspx?cls=A">A 马克思主义、列宁主义、毛泽东思想、邓小平理论</a></li>
      <li><a href="ClassBrowse.aspx?cls=B">B 哲学、宗教</a></li>
      <li><a href="ClassBrowse.aspx?cls=C">C 社会科学总论</a></li>
      <li><a href="ClassBrowse.aspx?cls=D">D 政治、法律</a></li>
      <li><a href="ClassBrowse.aspx?cls=E">E 军事</a></li>
      <li><a href="ClassBrowse.aspx?cls=F">F 经济</a></li>
      <li><a href="ClassBrowse.aspx?cls=G">G 文化、科学、教育、体育</a></li>
      <li><a href="ClassBrowse.aspx?cls=H">H 语言、文字</a></li>
      <li><a href="ClassBrowse.aspx?cls=I">I 文学</a></li>
      <li><a href="ClassBrowse.aspx?cls=J">J 艺术</a></li>
      <li><a href="ClassBrowse.aspx?cls=K">K 历史、地理</a></li>
      <li><a href="ClassBrowse.aspx?cls=N">N 自然科学总论</a></li>
      <li><a href="ClassBrowse.aspx?cls=O">O 数理科学和化学</a></li>
      <li><a href="ClassBrowse.aspx?cls=P">P 天文学、地球科学</a></li>
      <li><a href="ClassBrowse.aspx?cls=Q">Q 生物科学</a></li>
      <li><a href="ClassBrowse.aspx?cls=R">R 医药、卫生</a></li>
      <li><a href="ClassBrowse.aspx?cls=S">S 农业科学</a></li>
      <li><a href="ClassBrowse.aspx?cls=T">T 工业技术</a></li>
      <li><a href="ClassBrowse.aspx?cls=U">U 交通运输</a></li>
      <li><a href="ClassBrowse.aspx?cls=V">V 航空、航天</a></li>
      <li><a href="ClassBrowse.aspx?cls=X">X 环境科学、安全科学</a></li>
      <li><a href="ClassBrowse.aspx?cls=Z">Z 综合性图书</a></li>
    </ul>
  </div>
)";

const char kLibraryServices[] = R"(  <div class="box">
    <h3>读者服务</h3>
    <ul>
      <li><a href="Help.aspx?topic=rules">借阅规则</a></li>
      <li><a href="Help.aspx?topic=hours">开放时间</a></li>
      <li><a href="Help.aspx?topic=renew">续借与预约</a></li>
      <li><a href="Help.aspx?topic=ill">馆际互借</a></li>
      <li><a href="Help.aspx?topic=ask">参考咨询</a></li>
      <li><a href="Recommend.aspx">读者荐购</a></li>
      <li><a href="Help.aspx?topic=eres">电子资源</a></li>
      <li><a href="Help.aspx?topic=print">自助打印</a></li>
      <li><a href="Help.aspx?topic=lost">失物招领</a></li>
      <li><a href="Help.aspx?topic=faq">常见问题</a></li>
    </ul>
  </div>
)";

const char kSearchTips[] = R"(<div class="tips">
  <h3>检索提示</h3>
  <ol>
    <li>请输入完整的 ISBN 号码。</li>
    <li>点击书名可查看书目详细信息和馆藏情况。</li>
    <li>同一 ISBN 可能对应多条书目记录，例如不同的卷册或重复入藏。</li>
    <li>检索结果按入藏时间排列。</li>
    <li>如未找到所需图书，欢迎通过读者荐购向本馆推荐。</li>
  </ol>
</div>
)";

const char kLibraryHours[] = R"(  <div class="box">
    <h3>开馆时间</h3>
    <table class="hours">
      <tr><td>中文图书借阅室</td><td>周一至周日 9:00-21:00</td></tr>
      <tr><td>外文图书借阅室</td><td>周二至周日 9:00-17:00</td></tr>
      <tr><td>报刊阅览室</td><td>周一至周日 9:00-17:00</td></tr>
      <tr><td>少儿阅览室</td><td>周二至周日 9:00-17:00</td></tr>
      <tr><td>电子阅览室</td><td>周一至周日 9:00-20:00</td></tr>
    </table>
    <h3>友情链接</h3>
    <ul>
      <li><a href="http://www.example.org/union" target="_blank">省图书馆联合目录</a></li>
      <li><a href="http://www.example.org/univ" target="_blank">高校图书馆联盟</a></li>
      <li><a href="http://www.example.org/ebook" target="_blank">数字图书馆</a></li>
      <li><a href="http://www.example.org/kids" target="_blank">少儿图书馆</a></li>
    </ul>
  </div>
)";

const char kLibraryFooter[] = R"(<div id="footer">
  <p class="links">
    <a href="About.aspx">本馆概况</a> |
    <a href="Notice.aspx">通知公告</a> |
    <a href="Help.aspx">使用帮助</a> |
    <a href="Contact.aspx">联系我们</a> |
    <a href="SiteMap.aspx">网站地图</a>
  </p>
  <p>市图书馆 版权所有 &copy; 2024 &nbsp; 地址：人民路 100 号 &nbsp; 咨询电话：0000-12345678</p>
  <p>开馆时间：周一至周日 9:00-21:00</p>
</div>
</body>
</html>
)";

void deepPadding(Html &out, const char *what) {
    for (int i = 1; i <= kDeepPadding; ++i)
        out.line(std::string("    <li><a href=\"") + what + "?page=" + std::to_string(i) + "\">第 " +
                 std::to_string(i) + " 页</a></li>");
}

// Links only to searches: a search page, even one without hits, must show
// no detail link other than its hits.
void librarySidebar(Html &out, const Catalogue &catalogue) {
    out.line("<div id=\"sidebar\" class=\"clearfix\">");
    out.block(kLibraryClasses);
    out.line("  <div class=\"box\">");
    out.line("    <h3>热门借阅</h3>");
    out.line("    <ol>");
    int shown = 0;
    for (const Book &b : catalogue.books()) {
        if (shown == 10) break;
        if (b.hits.empty() || !b.hits.front().fields[kTitle] || b.hits.front().fields[kTitle]->empty()) continue;
        ++shown;
        const LibraryRecord &r = b.hits.front();
        out.line("      <li><a href=\"BookSearch.aspx?ISBN=" + b.isbn + "\">" + *r.fields[kTitle] +
                 "</a> <span class=\"author\">" + (r.fields[kAuthor] ? *r.fields[kAuthor] : std::string()) +
                 "</span></li>");
    }
    out.line("    </ol>");
    out.line("  </div>");
    out.block(kLibraryServices);
    out.block(kLibraryHours);
    out.line("</div>");
}

} // namespace

PageRenderer::PageRenderer(const Catalogue &catalogue, std::string coverBase)
    : catalogue_(catalogue), coverBase_(std::move(coverBase)) {}

std::string PageRenderer::escape(const std::string &text) {
    std::string out;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Echoed request text may hold line breaks or bytes that are not
            // UTF-8; neither may reach the page.
            out += (u < 0x20 || u >= 0x7F) ? '?' : c;
        }
    }
    return out;
}

std::string PageRenderer::communityPage(const Book &book) const {
    const CommunityEntry &c = book.community;
    const std::string shownTitle = c.title && !c.title->empty() ? *c.title : "ISBN " + book.isbn;
    const std::string firstAuthor = c.authors && !c.authors->empty() ? c.authors->front() : std::string();

    Html out;
    out.line("<!DOCTYPE html>");
    out.line("<html lang=\"zh-CN\" class=\"ua-linux ua-webkit book-new-nav\">");
    out.line("<head>");
    out.line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
    out.line("<meta name=\"renderer\" content=\"webkit\">");
    out.line("<meta name=\"referrer\" content=\"always\">");
    out.line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0\">");
    out.line("<meta name=\"keywords\" content=\"" + shownTitle + "," + firstAuthor + "," + book.isbn +
             ",书评,读书笔记\">");
    out.line("<title>" + shownTitle + " (书友圈)</title>");
    out.line("<link rel=\"shortcut icon\" href=\"/favicon.ico\" type=\"image/x-icon\">");
    out.line("<link rel=\"stylesheet\" href=\"/static/css/bundle.css\">");
    out.block(kCommunityStyle);
    out.block(kCommunityScript);
    out.line("</head>");
    out.line("<body>");
    out.block(kCommunityGlobalNav);
    if (c.deep) {
        out.line("<div id=\"tag-index\" class=\"hidden\">");
        out.line("  <ul>");
        deepPadding(out, "/book/tag/");
        out.line("  </ul>");
        out.line("</div>");
    }
    out.line("<div id=\"wrapper\">");
    out.line("<h1>");
    if (c.title) out.line("    <span property=\"v:itemreviewed\">" + *c.title + "</span>");
    out.line("    <div class=\"clear\"></div>");
    out.line("</h1>");
    out.line("<div id=\"content\">");
    out.line("<div class=\"grid-16-8 clearfix\">");
    out.line("<div class=\"article\">");
    out.line("<div class=\"indent\">");
    out.line("<div class=\"subjectwrap clearfix\">");
    out.line("<div class=\"subject clearfix\">");
    out.line("<div id=\"mainpic\" class=\"\">");
    if (c.cover) {
        const std::string url = coverBase_ + *c.cover;
        out.line("  <a class=\"nbg\" href=\"" + url + "\" title=\"" + shownTitle + "\">");
        out.line("    <img src=\"" + url + "\" title=\"点击看大图\" alt=\"" + shownTitle +
                 "\" rel=\"v:photo\" style=\"max-width: 135px;max-height: 200px;\">");
        out.line("  </a>");
    } else {
        out.line("  <span class=\"nbg-empty\">暂无封面</span>");
    }
    out.line("</div>");
    out.line("<div id=\"info\" class=\"\">");
    if (c.authors) {
        out.line("    <span>");
        out.line("      <span class=\"pl\"> 作者</span>:");
        out.line("        " + authorLinks(*c.authors));
        out.line("    </span><br/>");
    }
    if (!c.translators.empty()) {
        out.line("    <span>");
        out.line("      <span class=\"pl\"> 译者</span>:");
        out.line("        " + authorLinks(c.translators));
        out.line("    </span><br/>");
    }
    if (c.publisher) out.line("    <span class=\"pl\">出版社:</span> " + *c.publisher + "<br/>");
    if (c.pubdate) out.line("    <span class=\"pl\">出版年:</span> " + *c.pubdate + "<br/>");
    if (c.pages) out.line("    <span class=\"pl\">页数:</span> " + *c.pages + "<br/>");
    if (c.price) out.line("    <span class=\"pl\">定价:</span> " + *c.price + "<br/>");
    out.line("    <span class=\"pl\">ISBN:</span> " + book.isbn + "<br/>");
    out.line("</div>");
    out.line("</div>");
    out.line("<div id=\"interest_sectl\">");
    out.line("  <div class=\"rating_wrap clearbox\" rel=\"v:rating\">");
    out.line("    <div class=\"rating_logo\">书友圈评分</div>");
    out.line("    <div class=\"rating_self clearfix\">");
    out.line("      <strong class=\"ll rating_num\"></strong>");
    out.line("      <div class=\"rating_right\">");
    out.line("        <div class=\"ll bigstar00\"></div>");
    out.line("        <div class=\"rating_sum\">评价人数不足</div>");
    out.line("      </div>");
    out.line("    </div>");
    out.line("  </div>");
    out.line("</div>");
    out.line("</div>");
    out.line("<div id=\"interest_sect_level\" class=\"clearfix\">");
    out.line("  <a href=\"#\" class=\"j a_collect_btn\" rel=\"nofollow\">想读</a>");
    out.line("  <a href=\"#\" class=\"j a_collect_btn\" rel=\"nofollow\">在读</a>");
    out.line("  <a href=\"#\" class=\"j a_collect_btn\" rel=\"nofollow\">读过</a>");
    out.line("</div>");
    out.line("<br clear=\"all\">");
    if (c.intro) {
        out.line("<div class=\"related_info\">");
        out.line("<h2>");
        out.line("    <span class=\"\">内容简介</span>");
        out.line("    &nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;");
        out.line("</h2>");
        out.line("<div class=\"indent\" id=\"link-report\">");
        out.line("    <span class=\"all\">");
        // Paragraphs run together: the text between the tags is what the
        // reader shows, so no indentation may sneak in between them.
        std::string intro = "        <div class=\"intro\">";
        for (const std::string &p : *c.intro)
            if (!p.empty()) intro += "<p>" + p + "</p>";
        intro += kIntroTail;
        intro += "</div>";
        out.line(intro);
        out.line("    </span>");
        out.line("</div>");
        out.line("</div>");
    }
    out.line("<div id=\"db-rec-section\" class=\"block5 subject_show knnlike\">");
    out.line("  <h2>");
    out.line("    <span class=\"\">喜欢读\"" + shownTitle + "\"的人也喜欢</span>");
    out.line("    &nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;");
    out.line("  </h2>");
    out.line("  <div class=\"content clearfix\">");
    int shown = 0;
    for (const Book &other : catalogue_.books()) {
        if (shown == 10) break;
        if (&other == &book || !other.inCommunity || !other.community.title || other.community.title->empty()) continue;
        ++shown;
        out.line("    <dl>");
        out.line("      <dt><a href=\"/isbn/" + other.isbn + "/\" class=\"nbg-small\">" + other.isbn + "</a></dt>");
        out.line("      <dd><a href=\"/isbn/" + other.isbn + "/\">" + *other.community.title + "</a></dd>");
        out.line("    </dl>");
    }
    if (shown == 0) out.line("    <p class=\"pl\">暂无推荐</p>");
    out.line("  </div>");
    out.line("</div>");
    out.line("<div id=\"comments-section\">");
    out.line("  <div class=\"mod-hd\">");
    out.line("    <h2><span>短评</span>&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;</h2>");
    out.line("    <span class=\"pl\"><a href=\"#\" class=\"j a_collect_btn\">我来说两句</a></span>");
    out.line("  </div>");
    out.line("  <div class=\"comment-list\">");
    out.line("    <p class=\"comment-empty\">还没人写过短评呢</p>");
    out.line("  </div>");
    out.line("</div>");
    out.line("<div id=\"reviews-section\">");
    out.line("  <h2><span>书评</span>&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;</h2>");
    out.line("  <p class=\"pl\"><a href=\"/review/new\" rel=\"nofollow\">我要写书评</a></p>");
    out.line("</div>");
    out.line("</div>");
    out.line("</div>");
    out.line("<div class=\"aside\">");
    out.line("  <div class=\"mod\">");
    out.line("    <h2>在哪儿借这本书&nbsp;&middot;&nbsp;&middot;&nbsp;&middot;</h2>");
    out.line("    <ul class=\"bs more-after\">");
    out.line("      <li><a href=\"/library/search?isbn=" + book.isbn + "\" target=\"_blank\">市图书馆</a></li>");
    out.line("      <li><a href=\"/library/search?isbn=" + book.isbn +
             "&amp;lib=univ\" target=\"_blank\">高校图书馆联盟</a></li>");
    out.line("    </ul>");
    out.line("  </div>");
    out.line("  <div class=\"mod\">");
    out.line("    <h2>谁读这本书?</h2>");
    out.line("    <p class=\"pl\">还没有人标记过这本书</p>");
    out.line("  </div>");
    out.line("  <div class=\"mod\">");
    out.line("    <h2>订阅关于" + shownTitle + "的评论:</h2>");
    out.line("    <p class=\"pl\"><a href=\"/feed/subject/" + book.isbn + "/reviews\">feed: rss 2.0</a></p>");
    out.line("  </div>");
    out.line("</div>");
    out.line("</div>");
    out.line("</div>");
    out.line("</div>");
    out.block(kCommunityFooter);
    return out.text();
}

std::string PageRenderer::searchPage(const std::string &isbn, const Book *book) const {
    const std::string shown = escape(isbn);
    Html out;
    out.line("<!DOCTYPE html>");
    out.line("<html xmlns=\"http://www.w3.org/1999/xhtml\">");
    out.line("<head>");
    out.line("<title>书目检索结果 - 市图书馆联合书目查询系统</title>");
    out.block(kLibraryHead);
    out.line("</head>");
    out.line("<body>");
    out.block(kLibraryTop);
    out.line("<div id=\"content\">");
    out.line("<h2>书目检索结果</h2>");
    const std::size_t hits = book ? book->hits.size() : 0;
    out.line("<p class=\"summary\">检索条件：ISBN = " + shown + "，共找到 <strong>" + std::to_string(hits) +
             "</strong> 条记录</p>");
    if (!hits) {
        out.line("<div class=\"nohit\">本馆没有您检索的图书，请更换检索词或检索途径后再试。</div>");
    } else {
        out.line("<table class=\"resultlist\" id=\"ctl00_ContentPlaceHolder1_GridView1\">");
        out.line(
            "  "
            "<tr><th>序号</th><th>书名</th><th>著者</th><th>出版者</th><th>出版时间</th><th>索书号</th><th></th></tr>");
        for (std::size_t i = 0; i < hits; ++i) {
            const LibraryRecord &r = book->hits[i];
            auto f = [&r](LibraryField k) { return r.fields[k] ? *r.fields[k] : std::string(); };
            out.line("  <tr class=\"" + std::string(i % 2 ? "alt" : "row") + "\">");
            out.line("    <td>" + std::to_string(i + 1) + "</td>");
            out.line("    <td class=\"title\"><a href=\"bookdetail.aspx?id=" + r.id + "\" target=\"_blank\">" +
                     (f(kTitle).empty() ? std::string("（无题名）") : f(kTitle)) + "</a></td>");
            out.line("    <td>" + f(kAuthor) + "</td>");
            out.line("    <td>" + f(kPublisher) + "</td>");
            out.line("    <td>" + f(kPubdate) + "</td>");
            out.line("    <td>" + f(kClassNumber) + "</td>");
            out.line("    <td><a href=\"#\" onclick=\"return addToShelf('" + std::to_string(i + 1) +
                     "');\">放入书架</a></td>");
            out.line("  </tr>");
        }
        out.line("</table>");
        out.line("<div class=\"pager\">第 1 页 / 共 1 页</div>");
    }
    out.block(kSearchTips);
    out.line("</div>");
    librarySidebar(out, catalogue_);
    out.block(kLibraryFooter);
    return out.text();
}

std::string PageRenderer::detailPage(const Book &book, const LibraryRecord &hit) const {
    Html out;
    out.line("<!DOCTYPE html>");
    out.line("<html xmlns=\"http://www.w3.org/1999/xhtml\">");
    out.line("<head>");
    out.line("<title>书目详细信息 - 市图书馆联合书目查询系统</title>");
    out.block(kLibraryHead);
    out.line("</head>");
    out.line("<body>");
    out.block(kLibraryTop);
    if (hit.deep) {
        out.line("<div id=\"newbooks\" style=\"display:none\">");
        out.line("  <ul>");
        deepPadding(out, "NewBooks.aspx");
        out.line("  </ul>");
        out.line("</div>");
    }
    out.line("<div id=\"content\">");
    out.line("<h2>书目详细信息</h2>");
    out.line("<table class=\"detail\" id=\"ctl00_ContentPlaceHolder1_DetailsView1\">");
    for (std::size_t i = 0; i < kLibraryFieldCount; ++i) {
        if (!hit.fields[i]) continue;
        out.line(std::string("  <tr><td class=\"lbl\">") + kLibraryLabels[i] + "</td><td class=\"val\"><span>" +
                 *hit.fields[i] + "</span></td></tr>");
    }
    out.line("  <tr><td class=\"lbl\">ISBN</td><td class=\"val\"><span>" + book.isbn + "</span></td></tr>");
    out.line("</table>");
    out.line("<h3>馆藏信息</h3>");
    out.line("<table class=\"holding\">");
    out.line("  <tr><th>索书号</th><th>条码号</th><th>馆藏地</th><th>状态</th></tr>");
    const std::string call = hit.fields[kClassNumber] ? *hit.fields[kClassNumber] : std::string();
    for (int copy = 1; copy <= 2; ++copy) {
        char barcode[16];
        std::snprintf(barcode, sizeof barcode, "A%07u", static_cast<unsigned>((nameNumber(hit.id) + copy) % 10000000));
        out.line("  <tr><td>" + call + (call.empty() ? "" : "/") + std::to_string(copy) + "</td><td>" + barcode +
                 "</td><td>" + (copy == 1 ? "中文图书借阅室" : "总馆书库") + "</td><td>" +
                 (copy == 1 ? "在架" : "可借") + "</td></tr>");
    }
    out.line("</table>");
    out.line("<div class=\"btnbar\">");
    out.line("  <a href=\"#\" onclick=\"return addToShelf('" + book.isbn + "');\">放入我的书架</a>");
    out.line("  <a href=\"#\" onclick=\"document.getElementById('marc').style.display='block';return false;\">MARC "
             "显示</a>");
    out.line("  <a href=\"BookSearch.aspx?ISBN=" + book.isbn + "\">返回检索结果</a>");
    out.line("</div>");
    // A machine-readable view of the same record: field tags only, values
    // after the table, so it cannot shadow a row.
    auto f = [&hit](LibraryField k) { return hit.fields[k] ? *hit.fields[k] : std::string(); };
    out.line("<div id=\"marc\" style=\"display:none\">");
    out.line("<pre>");
    out.line("LDR     nam0 22     450 ");
    out.line("001     " + hit.id);
    out.line("010  __ |a " + book.isbn + " |d " + f(kPrice));
    out.line("100  __ |a " + f(kPubdate) + " |b chi");
    out.line("200  1_ |a " + f(kTitle) + " |f " + f(kAuthor));
    out.line("205  __ |a " + f(kEdition));
    out.line("210  __ |c " + f(kPublisher) + " |d " + f(kPubdate));
    out.line("215  __ |a " + f(kPages) + " |d " + f(kFormat));
    out.line("690  __ |a " + f(kClassNumber) + " |v 5");
    out.line("905  __ |a CITYLIB |d " + f(kClassNumber));
    out.line("</pre>");
    out.line("</div>");
    out.line("</div>");
    librarySidebar(out, catalogue_);
    out.block(kLibraryFooter);
    return out.text();
}

std::string PageRenderer::notFoundPage(const std::string &what) {
    Html out;
    out.line("<!DOCTYPE html>");
    out.line("<html lang=\"zh-CN\">");
    out.line("<head>");
    out.line("<meta charset=\"utf-8\">");
    out.line("<title>404 Not Found</title>");
    out.line("</head>");
    out.line("<body>");
    out.line("<h1>页面不存在</h1>");
    out.line("<p>" + escape(what) + " not found.</p>");
    out.line("</body>");
    out.line("</html>");
    return out.text();
}

std::string PageRenderer::stallHead() { return "<!DOCTYPE html>\n"; }

std::string PageRenderer::stallTail() {
    return "<html>\n<head><meta charset=\"utf-8\"><title>busy</title></head>\n<body><p>server "
           "busy</p></body>\n</html>\n";
}
