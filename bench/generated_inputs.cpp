#include "bench/generated_inputs.h"

#include <string>

namespace {

const char* const kSteps[] = {
    "快件已从【上海浦东转运中心】发出，下一站【北京顺义转运中心】",
    "【北京市朝阳区望京营业部】的派件员【张三，电话13800000000】正在派件",
    "已签收，签收人是【本人】，感谢使用，期待再次为您服务",
    "快件到达【广州白云集散中心】，扫描员是【李四】",
};

Text RecordText(std::size_t i) {
    const std::string day = std::to_string(10 + i % 18);
    const std::string minute = std::to_string(10 + i % 50);
    return JoinTexts("{\"time\":\"2026-11-", day, " 08:", minute, ":00\",\"ftime\":\"2026-11-", day,
                     " 08:", minute, ":00\",\"context\":\"", kSteps[i % 4],
                     "\",\"location\":\"\"}");
}

}  // namespace

Text MakeReplyText(std::size_t approx_bytes) {
    Text reply = "{\"message\":\"ok\",\"nu\":\"9700123456789\",\"ischeck\":\"1\",\"data\":[";
    reply.reserve(approx_bytes + 512);
    for (std::size_t i = 0; reply.size() < approx_bytes; ++i) {
        if (i > 0) {
            reply += ",";
        }
        reply += RecordText(i);
    }
    reply += "],\"state\":\"3\",\"status\":\"200\"}";
    return reply;
}

Text MakeNumberList(std::size_t lines) {
    Text list;
    list.reserve(lines * 18);
    for (std::size_t i = 0; i < lines; ++i) {
        if (i > 0) {
            list += "\r\n";
        }
        list += (i % 7 == 0) ? " SF" : "YT";
        list += std::to_string(1000000000ULL + i * 7919ULL);
        if (i % 5 == 0) {
            list += "\xA1\xA1";
        }
    }
    return list;
}

std::string MakeOrderExport(std::size_t rows) {
    const auto utf8 = [](std::u8string_view text) { return std::string(text.begin(), text.end()); };
    std::string file =
        "\xEF\xBB\xBF" + utf8(u8"订单号,下单时间,收件人,电话,收货地址,快递公司,运单号,备注\r\n");
    file.reserve(rows * 150);
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        file += "DD" + n + ",2026-12-08 08:" + std::to_string(10 + i % 50) + ":00,\"" +
                utf8(u8"张三") + n + "\",138" + std::to_string(10000000 + i) + ",\"" +
                utf8(u8"浙江省杭州市西湖区文三路") + std::to_string(i % 500) + utf8(u8"号, ") +
                std::to_string(i % 30) + utf8(u8"室\",EMS,") + std::to_string(200000000 + i) +
                ",\"" + utf8(u8"请尽快发货,谢谢") + "\"\r\n";
    }
    return file;
}

std::vector<ResultRow> MakeResultRows(std::size_t rows) {
    std::vector<ResultRow> result;
    result.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        result.push_back(
            {"YT" + std::to_string(1000000000ULL + i), "2026-11-20 08:15:00", kSteps[i % 4]});
    }
    return result;
}
