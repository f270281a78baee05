#include "recognition/recognition_errors.h"

// The head every message starts with.
#define MESSAGE_HEAD "没有识别到文本!\r\n产生原因:"

const std::array<RecognitionError, 41> recognitionErrors = {{
    {"1", MESSAGE_HEAD "服务器内部错误，请再次请求， 如果持续出现此类错误，请通过QQ群（224994340）或工单联系技术支持团队。"},
    {"2", MESSAGE_HEAD "服务暂不可用，请再次请求， 如果持续出现此类错误，请通过QQ群（224994340）或工单联系技术支持团队。"},
    {"3", MESSAGE_HEAD "调用的API不存在，请检查后重新尝试"},
    {"4", MESSAGE_HEAD "集群超限额"},
    {"6", MESSAGE_HEAD "无权限访问该用户数据"},
    {"14", MESSAGE_HEAD "IAM鉴权失败，建议用户参照文档自查生成sign的方式是否正确，或换用控制台中ak sk的方式调用"},
    {"17", MESSAGE_HEAD "每天请求量超限额"},
    {"18", MESSAGE_HEAD "QPS超限额"},
    {"19", MESSAGE_HEAD "请求总量超限额"},
    {"100", MESSAGE_HEAD "无效的access_token参数，请检查后重新尝试"},
    {"110", MESSAGE_HEAD "access_token无效"},
    {"111", MESSAGE_HEAD "access token过期"},
    {"282000", MESSAGE_HEAD "服务器内部错误，如果您使用的是高精度接口，报这个错误码的原因可能是您上传的图片中文字过多，识别超时导致的，建议您对图片进行切割后再识别，其他情况请再次请求， 如果持续出现此类错误，请通过QQ群（631977213）或工单联系技术支持团队。"},
    {"216100", MESSAGE_HEAD "请求中包含非法参数，请检查后重新尝试"},
    {"216101", MESSAGE_HEAD "缺少必须的参数，请检查参数是否有遗漏"},
    {"216102", MESSAGE_HEAD "请求了不支持的服务，请检查调用的url"},
    {"216103", MESSAGE_HEAD "请求中某些参数过长，请检查后重新尝试"},
    {"216110", MESSAGE_HEAD "appid不存在，请重新核对信息是否为后台应用列表中的appid"},
    {"216200", MESSAGE_HEAD "图片为空，请检查后重新尝试"},
    {"216201", MESSAGE_HEAD "上传的图片格式错误，现阶段我们支持的图片格式为：PNG、JPG、JPEG、BMP，请进行转码或更换图片"},
    {"216202", MESSAGE_HEAD "上传的图片大小错误，现阶段我们支持的图片大小为：base64编码后小于4M，分辨率不高于4096*4096，请重新上传图片"},
    {"216630", MESSAGE_HEAD "识别错误，请再次请求，如果持续出现此类错误，请通过QQ群（631977213）或工单联系技术支持团队。"},
    {"216631", MESSAGE_HEAD "识别银行卡错误，出现此问题的原因一般为：您上传的图片非银行卡正面，上传了异形卡的图片或上传的银行卡正品图片不完整"},
    {"216633", MESSAGE_HEAD "识别身份证错误，出现此问题的原因一般为：您上传了非身份证图片或您上传的身份证图片不完整"},
    {"216634", MESSAGE_HEAD "检测错误，请再次请求，如果持续出现此类错误，请通过QQ群（631977213）或工单联系技术支持团队。"},
    {"272000", MESSAGE_HEAD "未能匹配模板，请检查参照字段的设置是否符合规范，并重新选取或增加更多的参照字段"},
    {"272001", MESSAGE_HEAD "未能成功分类 一般是因为上传的图片不属于任一训练过的图片种类，请核查上传的图片，或对分类的训练集作出调整"},
    {"282003", MESSAGE_HEAD "{参数名} 请求参数缺失"},
    {"282004", MESSAGE_HEAD "您指定的模板暂未发布，请先保存发布该模板，再调用"},
    {"282005", MESSAGE_HEAD "处理批量任务时发生部分或全部错误，请根据具体错误码排查"},
    {"282006", MESSAGE_HEAD "批量任务处理数量超出限制，请将任务数量减少到10或10以下"},
    {"282102", MESSAGE_HEAD "未检测到图片中识别目标，请确保图片中包含车牌"},
    {"282103", MESSAGE_HEAD "图片目标识别错误，请确保图片中包含车牌，如果持续出现此类错误，请通过QQ群（631977213）或工单联系技术支持团队。"},
    {"282110", MESSAGE_HEAD "URL参数不存在，请核对URL后再次提交"},
    {"282111", MESSAGE_HEAD "URL格式非法，请检查url格式是否符合相应接口的入参要求"},
    {"282112", MESSAGE_HEAD "url下载超时，请检查url对应的图床/图片无法下载或链路状况不好，您可以重新尝试一下，如果多次尝试后仍不行，建议更换图片地址"},
    {"282113", MESSAGE_HEAD "URL返回无效参数"},
    {"282114", MESSAGE_HEAD "URL长度超过1024字节或为0"},
    {"282808", MESSAGE_HEAD "id xxxxx 不存在"},
    {"282809", MESSAGE_HEAD "返回结果请求错误（不属于excel或json）"},
    {"282810", MESSAGE_HEAD "图像识别错误"},
}};

#undef MESSAGE_HEAD

std::optional<Text> recognitionMessage(std::string_view code) {
  for (const RecognitionError& error : recognitionErrors) {
    if (code == error.code) return Text(error.message);
  }
  return std::nullopt;
}
