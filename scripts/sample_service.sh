# The sample tracking service of the demo and of scripts/run: a handful of sample parcels
# (several couriers, one parcel with many steps, one number that fails) served on loopback by
# the fixture service program. Sourced by those scripts; it runs nothing by itself.

# Writes each sample number's reply body to a file of that name in folder.
sample_replies() {
  local folder=$1 step='{"time":"%s","context":"%s"}'
  local many_steps=(
    "2026-12-06 16:05:12|已签收，签收人：前台 王女士"
    "2026-12-06 08:32:40|派送中，快递员：李师傅 138****2201"
    "2026-12-06 06:10:03|到达 北京朝阳区望京营业点"
    "2026-12-05 22:47:19|离开 北京顺义集散中心 发往 北京朝阳区望京营业点"
    "2026-12-05 19:02:55|到达 北京顺义集散中心"
    "2026-12-04 23:58:30|离开 深圳宝安集散中心 发往 北京顺义集散中心"
    "2026-12-04 21:14:08|到达 深圳宝安集散中心"
    "2026-12-04 17:40:00|顺丰速运 已收取快件"
  )
  local data="" entry
  for entry in "${many_steps[@]}"; do
    data+="${data:+,}$(printf "$step" "${entry%%|*}" "${entry#*|}")"
  done
  mkdir -p "$folder"
  printf '{"message":"ok","nu":"SF1234567890","data":[%s]}' "$data" >"$folder/SF1234567890"
  printf '{"message":"ok","nu":"YT9876543210","data":[%s,%s,%s]}' \
    "$(printf "$step" "2026-12-07 11:20:00" "上海市浦东新区 派件中")" \
    "$(printf "$step" "2026-12-06 20:15:00" "到达 上海转运中心")" \
    "$(printf "$step" "2026-12-05 09:30:00" "杭州市西湖区 已揽收")" >"$folder/YT9876543210"
  printf '{"message":"ok","nu":"E123456789CN","data":[%s,%s]}' \
    "$(printf "$step" "2026-12-03 14:00:00" "广州邮区中心局 已封发")" \
    "$(printf "$step" "2026-12-02 10:45:00" "广州市天河区 收寄")" >"$folder/E123456789CN"
  printf '{"message":"ok","nu":"1Z999AA10123456784","data":[%s,%s]}' \
    "$(printf "$step" "2026-12-04 03:12:00" "Departed Facility SHANGHAI CN")" \
    "$(printf "$step" "2026-12-03 18:40:00" "Origin Scan SHANGHAI CN")" \
    >"$folder/1Z999AA10123456784"
  printf '{"message":"单号不存在或者已经过期","nu":"","data":[]}' >"$folder/404404404"
}

sample_numbers() {
  printf '%s\r\n' YT9876543210 E123456789CN 1Z999AA10123456784 404404404 SF1234567890
}

sample_service=

# Starts the service program with the sample replies, files in folder; exports
# PARCELIO_TRACKING_HOST pointing at it and leaves the sample list in folder/numbers.txt.
start_sample_service() {
  local program=$1 folder=$2
  sample_replies "$folder/replies"
  sample_numbers >"$folder/numbers.txt"
  "$program" --port-file "$folder/port" --replies "$folder/replies" >/dev/null &
  sample_service=$!
  for _ in $(seq 1 100); do [ -s "$folder/port" ] && break; sleep 0.1; done
  if [ ! -s "$folder/port" ]; then
    echo "the sample tracking service did not start" >&2
    return 1
  fi
  export PARCELIO_TRACKING_HOST=127.0.0.1:$(cat "$folder/port")
}

stop_sample_service() {
  if [ -n "$sample_service" ]; then kill "$sample_service" 2>/dev/null || true; fi
  sample_service=
}

print_sample_numbers() {
  echo "sample numbers: SF1234567890 (many steps), YT9876543210, E123456789CN,"
  echo "1Z999AA10123456784, 404404404 (fails); a list to import: $1/numbers.txt"
}
